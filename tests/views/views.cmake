set(dir ${CMAKE_CURRENT_LIST_DIR})
kebo_native_test(NAME native_views SOURCES ${dir}/RectMathTest.cpp)
