set(dir ${CMAKE_CURRENT_LIST_DIR})
set(controls_native ${dir}/XGTextLines.cpp ${dir}/XGScrollScale.cpp)
list(APPEND KEBO_SOURCES ${controls_native})
list(APPEND KEBO_NATIVE_SOURCES ${controls_native})
