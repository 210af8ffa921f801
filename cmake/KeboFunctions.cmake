# Helpers shared by the framework, the launcher, the tools and the tests.

function(kebo_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-multichar)
    if(KEBO_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

function(kebo_sanitize target)
    target_compile_options(${target} PUBLIC -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(${target} PUBLIC -fsanitize=address,undefined)
endfunction()

# kebo_floor(NAME lib FOLDER dir [SOURCES ...] [NATIVE ...] [LINKS lib ...]): one
# floor of the framework, the library of one folder. SOURCES are built for
# Windows only; NATIVE (byte-level, no <windows.h>) for both. A floor sees only
# its own headers and those of the floors it links: its headers are staged
# under <build>/floors/lib/dir, and that folder is the only include path it
# hands on, so an include of a floor it does not link fails to compile.
# Natively a floor without NATIVE sources is an interface of headers.
function(kebo_floor)
    cmake_parse_arguments(F "" "NAME;FOLDER" "SOURCES;NATIVE;LINKS" ${ARGN})
    set(stage ${KEBO_BINARY_DIR}/floors/${F_NAME})
    file(REMOVE_RECURSE ${stage})
    file(MAKE_DIRECTORY ${stage}/${F_FOLDER})
    file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    foreach(header ${headers})
        get_filename_component(name ${header} NAME)
        file(CREATE_LINK ${header} ${stage}/${F_FOLDER}/${name} SYMBOLIC)
    endforeach()
    set(native)
    foreach(source ${F_NATIVE})
        get_filename_component(source ${source} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
        list(APPEND native ${source})
    endforeach()
    set(F_NATIVE ${native})
    if(WIN32)
        set(sources ${F_SOURCES} ${F_NATIVE})
    else()
        set(sources ${F_NATIVE})
        set_property(GLOBAL APPEND PROPERTY KEBO_NATIVE_ALL_SOURCES ${F_NATIVE})
        set_property(GLOBAL APPEND PROPERTY KEBO_NATIVE_ALL_STAGES ${stage})
    endif()
    # Installed, the headers keep their floor folder under include/kebo, so
    # an application includes them as the tree's own code does.
    set(include $<BUILD_INTERFACE:${stage}> $<INSTALL_INTERFACE:include/kebo>)
    if(sources)
        add_library(${F_NAME} STATIC ${sources})
        target_include_directories(${F_NAME} PUBLIC ${include})
        target_link_libraries(${F_NAME} PUBLIC ${F_LINKS})
        kebo_warnings(${F_NAME})
        if(NOT WIN32)
            kebo_sanitize(${F_NAME})
        endif()
    else()
        add_library(${F_NAME} INTERFACE)
        target_include_directories(${F_NAME} INTERFACE ${include})
        target_link_libraries(${F_NAME} INTERFACE ${F_LINKS})
    endif()
    if(WIN32)
        set_target_properties(${F_NAME} PROPERTIES EXPORT_NAME ${F_FOLDER})
        install(TARGETS ${F_NAME} EXPORT KEBOTargets ARCHIVE DESTINATION lib)
        install(FILES ${headers} DESTINATION include/kebo/${F_FOLDER})
    endif()
endfunction()

# Host tools run at build time (the EMSG and VRES compilers). A cross build
# takes them from a native install prefix (KEBO_HOST_PATH, <prefix>/bin/xgvres)
# or builds them itself from KEBO's own tools folder. The paths are global
# properties, so the application functions work from a parent project too.
function(kebo_setup_host_tools)
    set(suffix ${CMAKE_HOST_EXECUTABLE_SUFFIX})
    if(NOT WIN32)
        set(xgvres $<TARGET_FILE:xgvres>)
        set(xgemsg $<TARGET_FILE:xgemsg>)
        set(depends xgvres xgemsg)
    elseif(KEBO_HOST_PATH)
        set(xgvres ${KEBO_HOST_PATH}/bin/xgvres${suffix})
        set(xgemsg ${KEBO_HOST_PATH}/bin/xgemsg${suffix})
        if(NOT EXISTS ${xgvres} OR NOT EXISTS ${xgemsg})
            message(FATAL_ERROR "KEBO_HOST_PATH is ${KEBO_HOST_PATH}, but ${xgvres} or ${xgemsg} "
                "is missing. Set KEBO_HOST_PATH to the install prefix of a native KEBO build "
                "(cmake --install of a build without a toolchain file), or leave it empty to build "
                "the tools here.")
        endif()
        set(depends)
    else()
        include(ExternalProject)
        set(tools ${KEBO_BINARY_DIR}/host-tools)
        # The host compiler is the one CMake finds without the toolchain file;
        # the launcher (ccache) is handed on, the cross compilers are not.
        set(args -DCMAKE_BUILD_TYPE=Release)
        if(CMAKE_CXX_COMPILER_LAUNCHER)
            list(APPEND args -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER})
        endif()
        ExternalProject_Add(kebo_host_tools_build
            SOURCE_DIR ${KEBO_SOURCE_DIR}/tools
            BINARY_DIR ${tools}
            CMAKE_ARGS ${args}
            INSTALL_COMMAND ""
            BUILD_ALWAYS ON
            BUILD_BYPRODUCTS ${tools}/xgvres${suffix} ${tools}/xgemsg${suffix})
        set(xgvres ${tools}/xgvres${suffix})
        set(xgemsg ${tools}/xgemsg${suffix})
        set(depends kebo_host_tools_build)
    endif()
    add_custom_target(kebo_host_tools)
    if(depends)
        add_dependencies(kebo_host_tools ${depends})
    endif()
    set_property(GLOBAL PROPERTY KEBO_XGVRES ${xgvres})
    set_property(GLOBAL PROPERTY KEBO_XGEMSG ${xgemsg})
    set_property(GLOBAL PROPERTY KEBO_HOST_TOOLS_TARGET kebo_host_tools)
    # The framework's own generated files (its EMSG tables) and the tests'.
    set(gen ${KEBO_BINARY_DIR}/gen)
    file(MAKE_DIRECTORY ${gen})
    set_property(GLOBAL PROPERTY KEBO_GEN_DIR ${gen})
    add_custom_target(kebo_generated)
    add_dependencies(kebo_generated kebo_host_tools)
    set_property(GLOBAL PROPERTY KEBO_RC_TARGETS kebo_generated)
endfunction()

# kebo_generate(OUTPUT file TOOL name ARGS ... DEPENDS ...): run a host tool to
# make a file in the framework's generated folder, which every resource script
# of this tree sees (the framework's tables, the tests' trees).
function(kebo_generate)
    cmake_parse_arguments(G "" "OUTPUT;TOOL" "ARGS;DEPENDS" ${ARGN})
    get_property(gen GLOBAL PROPERTY KEBO_GEN_DIR)
    string(TOUPPER ${G_TOOL} tool)
    get_property(tool GLOBAL PROPERTY KEBO_${tool})
    set(out ${gen}/${G_OUTPUT})
    add_custom_command(OUTPUT ${out}
        COMMAND ${tool} ${G_ARGS}
        DEPENDS ${G_DEPENDS} kebo_host_tools
        WORKING_DIRECTORY ${gen}
        VERBATIM)
    string(MAKE_C_IDENTIFIER ${G_OUTPUT} id)
    add_custom_target(gen_${id} DEPENDS ${out})
    add_dependencies(kebo_generated gen_${id})
endfunction()

# kebo_wine_test(NAME n SOURCES ... [RC script.rc] [OWN_MAIN] [GUI]): one Windows
# test executable, run under Wine as one CTest test.
function(kebo_wine_test)
    if(NOT WIN32)
        return()
    endif()
    cmake_parse_arguments(T "OWN_MAIN;GUI" "NAME" "SOURCES;RC;LIBS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE kebo_framework gtest ${T_LIBS})
    if(NOT T_OWN_MAIN)
        target_link_libraries(${T_NAME} PRIVATE gtest_main)
    endif()
    if(T_GUI)
        target_link_options(${T_NAME} PRIVATE -mwindows)
    endif()
    if(T_RC)
        kebo_add_resources(${T_NAME} ${T_RC})
        kebo_test_resource_paths(${T_NAME})
    endif()
    target_compile_options(${T_NAME} PRIVATE -Wno-multichar)
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set_tests_properties(${T_NAME} PROPERTIES TIMEOUT 600)
endfunction()

# The tests' scripts also include files by their path from the top of the tree
# and from their own test folder.
function(kebo_test_resource_paths target)
    foreach(dir ${CMAKE_CURRENT_SOURCE_DIR} ${KEBO_SOURCE_DIR})
        target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:RC>:-I${dir}>)
    endforeach()
endfunction()

# kebo_native_test(NAME n SOURCES ...): a Linux test under AddressSanitizer and UBSan.
function(kebo_native_test)
    if(WIN32)
        return()
    endif()
    cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE kebo_native gtest gtest_main ${T_LIBS})
    target_compile_options(${T_NAME} PRIVATE -Wno-multichar)
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
endfunction()

# The fuzz targets link their own copy of the native library, built with the fuzzer's
# coverage instrumentation: without it the fuzzer sees only the edges of the target's
# own few lines and cannot steer into the code under test. Made once, on first use.
function(kebo_native_fuzz_library)
    if(TARGET kebo_native_fuzz)
        return()
    endif()
    get_property(sources GLOBAL PROPERTY KEBO_NATIVE_ALL_SOURCES)
    get_property(stages GLOBAL PROPERTY KEBO_NATIVE_ALL_STAGES)
    add_library(kebo_native_fuzz STATIC ${sources})
    target_include_directories(kebo_native_fuzz PUBLIC ${stages})
    target_compile_options(kebo_native_fuzz PRIVATE -fsanitize=fuzzer-no-link)
    kebo_warnings(kebo_native_fuzz)
    kebo_sanitize(kebo_native_fuzz)
    # Both copies share the generated sources; one build of them at a time.
    add_dependencies(kebo_native_fuzz kebo_records)
endfunction()

# kebo_fuzz_target(NAME n SOURCES ... [RUNS n] [CORPUS dir]): a libFuzzer target
# (clang only) that the test run drives for a fixed number of inputs.
function(kebo_fuzz_target)
    if(WIN32 OR NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        return()
    endif()
    cmake_parse_arguments(F "" "NAME;RUNS;CORPUS" "SOURCES;LIBS" ${ARGN})
    if(NOT F_RUNS)
        set(F_RUNS 20000)
    endif()
    kebo_native_fuzz_library()
    add_executable(${F_NAME} ${F_SOURCES})
    target_link_libraries(${F_NAME} PRIVATE kebo_native_fuzz ${F_LIBS})
    target_compile_options(${F_NAME} PRIVATE -fsanitize=fuzzer -Wno-multichar)
    target_link_options(${F_NAME} PRIVATE -fsanitize=fuzzer)
    set(args -runs=${F_RUNS} -seed=1)
    if(F_CORPUS)
        list(APPEND args ${F_CORPUS})
    endif()
    add_test(NAME ${F_NAME} COMMAND ${F_NAME} ${args})
endfunction()
