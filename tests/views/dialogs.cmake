set(dir ${CMAKE_CURRENT_LIST_DIR})
kebo_native_test(NAME native_dialogs SOURCES ${dir}/DialogTextTest.cpp)
set(support ${CMAKE_CURRENT_LIST_DIR}/../controls)
kebo_wine_test(NAME test_dialogs OWN_MAIN
    SOURCES ${support}/KeboTestSupport.cpp ${support}/KeboTestMain.cpp ${CMAKE_SOURCE_DIR}/tests/support/TestWin32.cpp
        ${dir}/DialogTest.cpp
    RC ${support}/controls_test.rc)
# Not a test: shows the three alerts and saves pictures of them for a look.
if(WIN32)
    add_executable(alert_shots WIN32 ${support}/KeboTestSupport.cpp ${CMAKE_SOURCE_DIR}/tests/support/TestWin32.cpp
        ${dir}/AlertShots.cpp)
    target_link_libraries(alert_shots PRIVATE kebo)
    target_compile_options(alert_shots PRIVATE -Wno-multichar)
    kebo_resources(alert_shots ${support}/controls_test.rc)
endif()
