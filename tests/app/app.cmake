# The launcher's tests (Windows only; the launcher is not built natively).
set(dir ${CMAKE_CURRENT_LIST_DIR})
if(WIN32 AND HALCYRA_HAS_DOINSTALL)
    kebo_wine_test(NAME test_app_actions SOURCES ${dir}/InstallActionsTest.cpp LIBS halcyra_actions)
    target_compile_definitions(test_app_actions PRIVATE "HALCYRA_DEMO_DIR=\"${HALCYRA_DEMO_DIR}\"")
    add_dependencies(test_app_actions halcyra_demo)
endif()
