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
    if(sources)
        add_library(${F_NAME} STATIC ${sources})
        target_include_directories(${F_NAME} PUBLIC ${stage})
        target_link_libraries(${F_NAME} PUBLIC ${F_LINKS})
        kebo_warnings(${F_NAME})
        if(NOT WIN32)
            kebo_sanitize(${F_NAME})
        endif()
    else()
        add_library(${F_NAME} INTERFACE)
        target_include_directories(${F_NAME} INTERFACE ${stage})
        target_link_libraries(${F_NAME} INTERFACE ${F_LINKS})
    endif()
endfunction()

# Host tools run at build time (the EMSG and VRES compilers). A cross build
# either uses an existing native build's tools or builds them itself.
macro(kebo_setup_host_tools)
    if(KEBO_HOST_TOOLS_DIR)
        set(KEBO_HOST_TOOLS ${KEBO_HOST_TOOLS_DIR})
        add_custom_target(kebo_host_tools)
    else()
        include(ExternalProject)
        set(KEBO_HOST_TOOLS ${KEBO_BINARY_DIR}/host-tools)
        ExternalProject_Add(kebo_host_tools_build
            SOURCE_DIR ${KEBO_SOURCE_DIR}/tools
            BINARY_DIR ${KEBO_HOST_TOOLS}
            CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
            INSTALL_COMMAND ""
            BUILD_ALWAYS ON)
        add_custom_target(kebo_host_tools DEPENDS kebo_host_tools_build)
    endif()
    set(KEBO_GEN_DIR ${KEBO_BINARY_DIR}/gen)
    file(MAKE_DIRECTORY ${KEBO_GEN_DIR})
    add_custom_target(kebo_generated)
    add_dependencies(kebo_generated kebo_host_tools)
endmacro()

# kebo_generate(OUTPUT file TOOL name ARGS ... DEPENDS ...): run a host tool to
# make a file in the generated folder that resource scripts can name.
function(kebo_generate)
    cmake_parse_arguments(G "" "OUTPUT;TOOL" "ARGS;DEPENDS" ${ARGN})
    set(out ${KEBO_GEN_DIR}/${G_OUTPUT})
    add_custom_command(OUTPUT ${out}
        COMMAND ${KEBO_HOST_TOOLS}/${G_TOOL} ${G_ARGS}
        DEPENDS ${G_DEPENDS} kebo_host_tools
        WORKING_DIRECTORY ${KEBO_GEN_DIR}
        VERBATIM)
    string(MAKE_C_IDENTIFIER ${G_OUTPUT} id)
    add_custom_target(gen_${id} DEPENDS ${out})
    add_dependencies(kebo_generated gen_${id})
endfunction()

# Resource scripts see the framework folders and the generated folder, so an
# application's script can #include "KEBO.rc" and name generated binaries.
function(kebo_resources target)
    target_sources(${target} PRIVATE ${ARGN})
    foreach(dir ${KEBO_RC_INCLUDE_DIRS} ${KEBO_GEN_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
        target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:RC>:-I${dir}>)
    endforeach()
    add_dependencies(${target} kebo_generated)
    set_source_files_properties(${ARGN} PROPERTIES OBJECT_DEPENDS "${KEBO_RC_FRAGMENTS}")
endfunction()

# kebo_wine_test(NAME n SOURCES ... [RC script.rc] [OWN_MAIN] [GUI]): one Windows
# test executable, run under Wine as one CTest test.
function(kebo_wine_test)
    if(NOT WIN32)
        return()
    endif()
    cmake_parse_arguments(T "OWN_MAIN;GUI" "NAME" "SOURCES;RC;LIBS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE kebo gtest ${T_LIBS})
    if(NOT T_OWN_MAIN)
        target_link_libraries(${T_NAME} PRIVATE gtest_main)
    endif()
    if(T_GUI)
        target_link_options(${T_NAME} PRIVATE -mwindows)
    endif()
    if(T_RC)
        kebo_resources(${T_NAME} ${T_RC})
    endif()
    target_compile_options(${T_NAME} PRIVATE -Wno-multichar)
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set_tests_properties(${T_NAME} PROPERTIES TIMEOUT 600)
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
