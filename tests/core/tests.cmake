set(dir ${CMAKE_CURRENT_LIST_DIR})
# The receiver lists run natively too, where the sanitizers see any use of a dead list.
kebo_native_test(NAME native_core SOURCES ${dir}/AppArgsTest.cpp ${dir}/SendTest.cpp)
kebo_fuzz_target(NAME fuzz_app_args SOURCES ${dir}/AppArgsFuzz.cpp)
kebo_wine_test(NAME test_core
    SOURCES ${dir}/DispatchTest.cpp ${dir}/SendTest.cpp ${dir}/AppCoreTest.cpp
            ${dir}/ProcessTest.cpp ${dir}/TestApp.cpp
            ${CMAKE_SOURCE_DIR}/tests/support/TestWin32.cpp
    RC ${dir}/test_core.rc)
if(WIN32)
    # The framework program that ProcessTest starts; a GUI program entered
    # through the framework's WinMain.
    add_executable(core_app WIN32 ${dir}/CoreApp.cpp)
    target_link_libraries(core_app PRIVATE kebo_entry)
    target_compile_options(core_app PRIVATE -Wno-multichar)
    kebo_resources(core_app ${dir}/core_app.rc)
    add_dependencies(test_core core_app)
endif()
