set(dir ${CMAKE_CURRENT_LIST_DIR})
kebo_native_test(NAME native_controls SOURCES ${dir}/TextLinesTest.cpp ${dir}/ScrollScaleTest.cpp)
set(KEBO_TEST_SUPPORT ${dir}/KeboTestSupport.cpp ${dir}/KeboTestMain.cpp ${CMAKE_SOURCE_DIR}/tests/support/TestWin32.cpp)
kebo_wine_test(NAME test_controls OWN_MAIN
    SOURCES ${KEBO_TEST_SUPPORT} ${dir}/ControlsTest.cpp ${dir}/StaticTextTest.cpp ${dir}/MenuTest.cpp
    RC ${dir}/controls_test.rc)
