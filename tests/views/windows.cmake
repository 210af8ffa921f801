set(dir ${CMAKE_CURRENT_LIST_DIR})
kebo_native_test(NAME native_dde_parser SOURCES ${dir}/DDEParserTest.cpp)
kebo_fuzz_target(NAME fuzz_dde_parser SOURCES ${dir}/DDEParserFuzz.cpp)
kebo_wine_test(NAME test_windows
    SOURCES ${dir}/WindowsTestSupport.cpp ${CMAKE_SOURCE_DIR}/tests/support/TestWin32.cpp ${dir}/WindowTest.cpp ${dir}/WindowInputTest.cpp
        ${dir}/WindowFrameTest.cpp
    RC ${dir}/windows_test.rc)
if(WIN32)
    kebo_generate(OUTPUT WindowsTestStartScreen.bin TOOL xgvres
        ARGS compile ${CMAKE_SOURCE_DIR}/app/vres/StartScreen.vres WindowsTestStartScreen.bin
        DEPENDS ${CMAKE_SOURCE_DIR}/app/vres/StartScreen.vres)
    kebo_wine_test(NAME test_windows_vres
        SOURCES ${dir}/WindowsTestSupport.cpp ${CMAKE_SOURCE_DIR}/tests/support/TestWin32.cpp ${dir}/WindowVresTest.cpp
        RC ${dir}/windows_vres_test.rc)
endif()
