set(dir ${CMAKE_CURRENT_LIST_DIR})
kebo_native_test(NAME native_dde_parser SOURCES ${dir}/DDEParserTest.cpp)
kebo_fuzz_target(NAME fuzz_dde_parser SOURCES ${dir}/DDEParserFuzz.cpp)
