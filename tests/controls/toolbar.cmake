set(dir ${CMAKE_CURRENT_LIST_DIR})
kebo_native_test(NAME native_toolbar SOURCES ${dir}/ToolbarDataTest.cpp)
kebo_fuzz_target(NAME fuzz_toolbar SOURCES ${dir}/ToolbarDataFuzz.cpp)
kebo_wine_test(NAME test_toolbar
    SOURCES ${dir}/ToolbarTestSupport.cpp ${CMAKE_SOURCE_DIR}/tests/support/TestWin32.cpp ${dir}/ToolbarTest.cpp ${dir}/PopWindowTest.cpp
    RC ${dir}/toolbar_test.rc)
kebo_wine_test(NAME test_toolbar_frame
    SOURCES ${dir}/ToolbarTestSupport.cpp ${CMAKE_SOURCE_DIR}/tests/support/TestWin32.cpp ${dir}/ToolbarFrameTest.cpp
    RC ${dir}/toolbar_test.rc)
