# The benchmarks' own arithmetic, natively under the sanitizers.
set(dir ${CMAKE_CURRENT_LIST_DIR})
kebo_native_test(NAME native_bench SOURCES ${dir}/BenchSamplesTest.cpp
    ${CMAKE_SOURCE_DIR}/bench/BenchSamples.cpp)
if(TARGET native_bench)
    target_include_directories(native_bench PRIVATE ${CMAKE_SOURCE_DIR}/bench)
endif()
