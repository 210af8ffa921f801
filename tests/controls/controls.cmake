set(dir ${CMAKE_CURRENT_LIST_DIR})
kebo_native_test(NAME native_controls SOURCES ${dir}/TextLinesTest.cpp ${dir}/ScrollScaleTest.cpp)
