set(dir ${CMAKE_CURRENT_LIST_DIR})
set(vres_tool_dir ${CMAKE_SOURCE_DIR}/tools/vres)
set(vres_encoder
    ${vres_tool_dir}/VresModel.cpp
    ${vres_tool_dir}/VresSchema.cpp
    ${vres_tool_dir}/VresEncoder.cpp
    ${vres_tool_dir}/VresDecoder.cpp
    ${vres_tool_dir}/VresText.cpp)

kebo_native_test(NAME native_forms SOURCES
    ${dir}/ArgStreamTest.cpp
    ${dir}/RecordWalkerTest.cpp
    ${dir}/VresFormatTest.cpp
    ${dir}/VresTextTest.cpp
    ${vres_encoder})
if(TARGET native_forms)
    target_include_directories(native_forms PRIVATE ${vres_tool_dir})
    target_compile_definitions(native_forms PRIVATE
        KEBO_SOURCE_ROOT="${CMAKE_SOURCE_DIR}" XGVRES_PATH="$<TARGET_FILE:xgvres>")
    add_dependencies(native_forms xgvres)
endif()

# The fuzzer starts from the program's own trees, compiled into the build folder
# (libFuzzer adds what it finds to its corpus folder).
if(NOT WIN32 AND CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    set(corpus ${CMAKE_BINARY_DIR}/forms-corpus)
    file(MAKE_DIRECTORY ${corpus})
    add_custom_command(OUTPUT ${corpus}/vres128 ${corpus}/vres129
        COMMAND xgvres compile ${CMAKE_SOURCE_DIR}/app/vres/StartScreen.vres ${corpus}/vres128
        COMMAND xgvres compile ${CMAKE_SOURCE_DIR}/app/vres/QuickTimeOffer.vres ${corpus}/vres129
        DEPENDS xgvres ${CMAKE_SOURCE_DIR}/app/vres/StartScreen.vres ${CMAKE_SOURCE_DIR}/app/vres/QuickTimeOffer.vres
        VERBATIM)
    add_custom_target(forms_fuzz_corpus ALL DEPENDS ${corpus}/vres128 ${corpus}/vres129)
    kebo_fuzz_target(NAME fuzz_forms_records SOURCES ${dir}/RecordWalkerFuzz.cpp RUNS 50000 CORPUS ${corpus})
endif()

if(WIN32)
    kebo_generate(OUTPUT forms_test_vres128.bin TOOL xgvres
        ARGS compile ${CMAKE_SOURCE_DIR}/app/vres/StartScreen.vres forms_test_vres128.bin
        DEPENDS ${CMAKE_SOURCE_DIR}/app/vres/StartScreen.vres)
    kebo_generate(OUTPUT forms_test_tree.bin TOOL xgvres
        ARGS compile ${dir}/FactoryTree.vres forms_test_tree.bin
        DEPENDS ${dir}/FactoryTree.vres)
    # The build host is Linux: head cuts the compiled tree inside its last record.
    add_custom_command(OUTPUT ${KEBO_GEN_DIR}/forms_test_damaged.bin
        COMMAND head -c 200 forms_test_tree.bin > forms_test_damaged.bin
        DEPENDS ${KEBO_GEN_DIR}/forms_test_tree.bin
        WORKING_DIRECTORY ${KEBO_GEN_DIR})
    add_custom_target(gen_forms_test_damaged DEPENDS ${KEBO_GEN_DIR}/forms_test_damaged.bin gen_forms_test_tree_bin)
    add_dependencies(kebo_generated gen_forms_test_damaged)
    kebo_wine_test(NAME test_forms
        SOURCES ${dir}/FactoryTest.cpp ${vres_encoder} ${CMAKE_SOURCE_DIR}/tests/support/TestWin32.cpp
        RC ${dir}/test_forms.rc)
    target_include_directories(test_forms PRIVATE ${vres_tool_dir})
endif()
