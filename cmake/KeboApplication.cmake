# The functions an application on KEBO calls to build its resources. The same
# file serves KEBO's own tree, a parent project that takes KEBO in through
# add_subdirectory or FetchContent, and the installed package (KEBOConfig.cmake).
# What they need from KEBO lives in global properties, not in variables, so
# they work from any directory's scope:
#   KEBO_XGVRES, KEBO_XGEMSG     the host tools' paths
#   KEBO_HOST_TOOLS_TARGET       the target that makes them (none when installed)
#   KEBO_RC_INCLUDE_DIRS         where KEBO.rc, its fragments and their binaries are
#   KEBO_RC_FRAGMENTS            those files, for rebuilding a script when one changes
#   KEBO_RC_TARGETS              targets that make those binaries (none when installed)
include_guard(GLOBAL)

# kebo_generated_dir(<target> <var>): the folder where kebo_vres and kebo_emsg
# write the target's binaries; its resource script finds them by name there.
function(kebo_generated_dir target var)
    get_target_property(dir ${target} KEBO_GENERATED_DIR)
    if(NOT dir)
        get_target_property(binary ${target} BINARY_DIR)
        set(dir ${binary}/kebo_generated/${target})
        file(MAKE_DIRECTORY ${dir})
        set_target_properties(${target} PROPERTIES KEBO_GENERATED_DIR ${dir})
    endif()
    set(${var} ${dir} PARENT_SCOPE)
endfunction()

# One host tool run that makes <out> before <target> is built.
function(_kebo_generate target tool out)
    cmake_parse_arguments(G "" "" "ARGS;DEPENDS" ${ARGN})
    get_property(command GLOBAL PROPERTY KEBO_${tool})
    get_property(tools_target GLOBAL PROPERTY KEBO_HOST_TOOLS_TARGET)
    if(NOT command)
        message(FATAL_ERROR "KEBO: no ${tool} host tool is known; find_package(KEBO) or "
            "add_subdirectory of KEBO comes before ${CMAKE_CURRENT_FUNCTION}.")
    endif()
    get_filename_component(folder ${out} DIRECTORY)
    add_custom_command(OUTPUT ${out}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
        COMMAND ${command} ${G_ARGS}
        DEPENDS ${G_DEPENDS} ${tools_target}
        VERBATIM)
    # A target of its own per file: the Makefile generators run a command
    # once only when a single target owns it.
    string(MD5 hash "${out}")
    string(SUBSTRING ${hash} 0 8 hash)
    add_custom_target(kebo_gen_${target}_${hash} DEPENDS ${out})
    add_dependencies(${target} kebo_gen_${target}_${hash})
    # Tests of a program reach its binaries through this target.
    if(NOT TARGET ${target}_kebo_generated)
        add_custom_target(${target}_kebo_generated)
    endif()
    add_dependencies(${target}_kebo_generated kebo_gen_${target}_${hash})
    # The target's resource scripts are compiled again when a binary changes,
    # whichever of the two calls comes first.
    set_property(TARGET ${target} APPEND PROPERTY KEBO_GENERATED_FILES ${out})
    get_target_property(scripts ${target} KEBO_RC_SCRIPTS)
    if(scripts)
        set_property(SOURCE ${scripts} APPEND PROPERTY OBJECT_DEPENDS ${out})
    endif()
endfunction()

# Relative outputs go to the target's generated folder, relative inputs are
# taken from the calling directory.
macro(_kebo_paths target out in)
    kebo_generated_dir(${target} _kebo_dir)
    get_filename_component(${out} ${${out}} ABSOLUTE BASE_DIR ${_kebo_dir})
    get_filename_component(${in} ${${in}} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
endmacro()

# kebo_vres(<target> <out.bin> <tree.vres> [FIELDS file...]): compile a VRES tree
# from its text form (xgvres compile) for the target's resource script, which
# names it by <out.bin>. FIELDS are field tables of the application's own view
# classes, handed to xgvres as --fields.
function(kebo_vres target out tree)
    cmake_parse_arguments(V "" "" "FIELDS" ${ARGN})
    _kebo_paths(${target} out tree)
    set(args compile)
    set(fields)
    foreach(file ${V_FIELDS})
        get_filename_component(file ${file} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
        list(APPEND args --fields ${file})
        list(APPEND fields ${file})
    endforeach()
    _kebo_generate(${target} XGVRES ${out} ARGS ${args} ${tree} ${out} DEPENDS ${tree} ${fields})
endfunction()

# kebo_emsg(<target> <out.bin> <table.txt>): compile an EMSG message table
# (xgemsg --bin) for the target's resource script, which names it by <out.bin>.
function(kebo_emsg target out table)
    _kebo_paths(${target} out table)
    _kebo_generate(${target} XGEMSG ${out} ARGS --bin ${table} ${out} DEPENDS ${table})
endfunction()

# kebo_add_resources(<target> <script.rc>): add the resource script. It can
# #include "KEBO.rc" (the framework's menus, accelerators and message tables)
# and name by file name what kebo_vres and kebo_emsg made for the target and
# the files beside the script.
function(kebo_add_resources target script)
    get_filename_component(script ${script} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    get_filename_component(folder ${script} DIRECTORY)
    target_sources(${target} PRIVATE ${script})
    get_property(dirs GLOBAL PROPERTY KEBO_RC_INCLUDE_DIRS)
    kebo_generated_dir(${target} generated)
    foreach(dir ${dirs} ${generated} ${folder})
        target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:RC>:-I${dir}>)
    endforeach()
    get_property(makers GLOBAL PROPERTY KEBO_RC_TARGETS)
    if(makers)
        add_dependencies(${target} ${makers})
    endif()
    get_property(fragments GLOBAL PROPERTY KEBO_RC_FRAGMENTS)
    get_target_property(outputs ${target} KEBO_GENERATED_FILES)
    if(NOT outputs)
        set(outputs)
    endif()
    set_property(SOURCE ${script} APPEND PROPERTY OBJECT_DEPENDS ${fragments} ${outputs})
    set_property(TARGET ${target} APPEND PROPERTY KEBO_RC_SCRIPTS ${script})
endfunction()
