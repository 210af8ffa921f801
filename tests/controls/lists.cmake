set(lists_tests ${CMAKE_CURRENT_LIST_DIR})
kebo_native_test(NAME native_lists SOURCES ${lists_tests}/ListsLayoutTest.cpp
    ${lists_tests}/ScrollViewLayoutTest.cpp)
