# The launcher's tests (Windows only; the launcher is not built natively).
set(dir ${CMAKE_CURRENT_LIST_DIR})
if(WIN32 AND TARGET halcyra_actions AND HALCYRA_HAS_DOINSTALL)
    kebo_wine_test(NAME test_app_actions SOURCES ${dir}/InstallActionsTest.cpp
        ${CMAKE_SOURCE_DIR}/tests/support/TestWin32.cpp LIBS halcyra_actions)
    target_compile_definitions(test_app_actions PRIVATE "HALCYRA_DEMO_DIR=\"${HALCYRA_DEMO_DIR}\"")
    add_dependencies(test_app_actions halcyra_demo)
endif()
if(WIN32 AND TARGET halcyra_views)
    kebo_wine_test(NAME test_app_views SOURCES ${dir}/InstallerViewsTest.cpp
        ${CMAKE_SOURCE_DIR}/tests/support/TestWin32.cpp RC ${dir}/test_app.rc
        LIBS halcyra_views)
    target_compile_definitions(test_app_views PRIVATE "HALCYRA_DEMO_DIR=\"${HALCYRA_DEMO_DIR}\"")
    target_compile_options(test_app_views PRIVATE $<$<COMPILE_LANGUAGE:RC>:-I${CMAKE_SOURCE_DIR}/app>)
    add_dependencies(test_app_views halcyra_demo)
endif()
if(WIN32 AND TARGET halcyra)
    # The real launcher in the test display, driven with xdotool.
    add_test(NAME e2e_launcher COMMAND ${dir}/launcher-e2e.sh $<TARGET_FILE:halcyra> ${HALCYRA_DEMO_DIR}
        ${CMAKE_SOURCE_DIR}/app/bitmaps ${CMAKE_BINARY_DIR}/screenshots)
    set_tests_properties(e2e_launcher PROPERTIES TIMEOUT 300)
    # The built program file as Windows and Explorer read it.
    kebo_wine_test(NAME test_app_resources SOURCES ${dir}/LauncherResourcesTest.cpp)
    target_compile_definitions(test_app_resources PRIVATE "HALCYRA_LAUNCHER=\"$<TARGET_FILE:halcyra>\"")
    add_dependencies(test_app_resources halcyra)
endif()
if(WIN32 AND TARGET halcyra_app)
    kebo_wine_test(NAME test_app_application SOURCES ${dir}/InstallerAppTest.cpp
        ${CMAKE_SOURCE_DIR}/tests/support/TestWin32.cpp RC ${dir}/test_app.rc
        LIBS halcyra_app)
    target_compile_options(test_app_application PRIVATE $<$<COMPILE_LANGUAGE:RC>:-I${CMAKE_SOURCE_DIR}/app>)
endif()
# The launcher's run-length encoded pictures against their uncompressed forms,
# which ImageMagick (already needed by the end-to-end test) writes at build time.
find_program(KEBO_CONVERT convert)
if(WIN32 AND TARGET halcyra AND KEBO_CONVERT)
    file(GLOB pictures ${CMAKE_SOURCE_DIR}/app/bitmaps/*.bmp)
    set(plain_pictures)
    foreach(picture ${pictures})
        get_filename_component(name ${picture} NAME)
        set(plain ${KEBO_GEN_DIR}/LauncherPlain/${name})
        add_custom_command(OUTPUT ${plain}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${KEBO_GEN_DIR}/LauncherPlain
            COMMAND ${KEBO_CONVERT} ${picture} -type Palette -compress None BMP3:${plain}
            DEPENDS ${picture} VERBATIM)
        list(APPEND plain_pictures ${plain})
    endforeach()
    add_custom_target(launcher_plain_pictures DEPENDS ${plain_pictures})
    kebo_wine_test(NAME test_app_bitmaps SOURCES ${dir}/LauncherBitmapsTest.cpp
        RC ${dir}/test_app_bitmaps.rc)
    target_compile_options(test_app_bitmaps PRIVATE $<$<COMPILE_LANGUAGE:RC>:-I${CMAKE_SOURCE_DIR}/app>)
    add_dependencies(test_app_bitmaps launcher_plain_pictures)
    set_property(SOURCE ${dir}/test_app_bitmaps.rc APPEND PROPERTY OBJECT_DEPENDS ${plain_pictures} ${pictures})
endif()
