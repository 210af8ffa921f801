set(dir ${CMAKE_CURRENT_LIST_DIR})
kebo_native_test(NAME native_text SOURCES ${dir}/TextEngineTest.cpp ${dir}/TextEngineWidthsTest.cpp)
kebo_fuzz_target(NAME fuzz_text SOURCES ${dir}/TextEngineFuzz.cpp RUNS 20000)
kebo_wine_test(NAME test_text
    SOURCES ${CMAKE_SOURCE_DIR}/tests/views/ViewsTestHost.cpp ${dir}/EditTextTest.cpp
        ${CMAKE_SOURCE_DIR}/tests/views/WindowsTestSupport.cpp ${dir}/EditTextWindowTest.cpp
        ${CMAKE_SOURCE_DIR}/tests/support/TestWin32.cpp
    RC ${CMAKE_SOURCE_DIR}/tests/views/windows_test.rc)
if(TARGET test_text)
    target_include_directories(test_text PRIVATE ${CMAKE_SOURCE_DIR}/tests/views)
endif()
