set(dir ${CMAKE_CURRENT_LIST_DIR})
kebo_native_test(NAME native_text SOURCES ${dir}/TextEngineTest.cpp)
kebo_fuzz_target(NAME fuzz_text SOURCES ${dir}/TextEngineFuzz.cpp RUNS 20000)
