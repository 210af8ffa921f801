set(dir ${CMAKE_CURRENT_LIST_DIR})
# Byte-level behaviour runs natively under the sanitizers and again in the 64-bit Windows
# build, where long is 32 bits and the message table is a real resource.
set(KEBO_FOUNDATION_TESTS
    ${dir}/ExpectedMessages.cpp
    ${dir}/ArrayTest.cpp
    ${dir}/HandleTest.cpp
    ${dir}/StringTest.cpp
    ${dir}/StringListTest.cpp
    ${dir}/FormatTest.cpp
    ${dir}/MessageTableTest.cpp
    ${dir}/PostErrorTest.cpp)
kebo_native_test(NAME native_foundation SOURCES ${KEBO_FOUNDATION_TESTS})
kebo_wine_test(NAME test_foundation SOURCES ${KEBO_FOUNDATION_TESTS}
    ${dir}/ResBitmapTest.cpp ${dir}/ErrorDisplayTest.cpp ${dir}/InlineTest.cpp
    RC ${dir}/test_foundation.rc)
kebo_fuzz_target(NAME fuzz_foundation SOURCES ${dir}/FoundationFuzz.cpp RUNS 20000)
