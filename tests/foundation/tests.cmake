set(dir ${CMAKE_CURRENT_LIST_DIR})
kebo_native_test(NAME native_foundation SOURCES ${dir}/ByteOrderTest.cpp)
kebo_wine_test(NAME test_foundation SOURCES ${dir}/ByteOrderTest.cpp RC ${dir}/test_foundation.rc)
