set(dir ${CMAKE_CURRENT_LIST_DIR})
list(APPEND KEBO_SOURCES ${dir}/XGTextEngine.cpp ${dir}/XGTabMeasure.cpp ${dir}/XGEditCore.cpp
    ${dir}/XGEditText.cpp)
list(APPEND KEBO_NATIVE_SOURCES ${dir}/XGTextEngine.cpp ${dir}/XGTabMeasure.cpp)
