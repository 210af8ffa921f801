set(lists_tests ${CMAKE_CURRENT_LIST_DIR})
kebo_native_test(NAME native_lists SOURCES ${lists_tests}/ListsLayoutTest.cpp
    ${lists_tests}/ScrollViewLayoutTest.cpp)
kebo_wine_test(NAME test_lists OWN_MAIN
    SOURCES ${lists_tests}/KeboTestSupport.cpp ${lists_tests}/KeboTestMain.cpp ${CMAKE_SOURCE_DIR}/tests/support/TestWin32.cpp
        ${lists_tests}/ScrollViewTest.cpp ${lists_tests}/ListsTest.cpp)
if(TARGET test_lists)
    kebo_generate(OUTPUT ListsTree.cpp TOOL xgvres
        ARGS source ListsTree.cpp ListsTree=${lists_tests}/ListsTree.vres
        DEPENDS ${lists_tests}/ListsTree.vres)
    target_sources(test_lists PRIVATE ${KEBO_GEN_DIR}/ListsTree.cpp)
endif()
