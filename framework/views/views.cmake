set(dir ${CMAKE_CURRENT_LIST_DIR})
list(APPEND KEBO_SOURCES ${dir}/RectMath.cpp)
list(APPEND KEBO_NATIVE_SOURCES ${dir}/RectMath.cpp)
