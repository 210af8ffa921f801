set(dir ${CMAKE_CURRENT_LIST_DIR})
list(APPEND KEBO_SOURCES
    ${dir}/RectMath.cpp
    ${dir}/XGView.cpp
    ${dir}/XGDraw.cpp
    ${dir}/XGFont.cpp
    ${dir}/XGCursor.cpp)
list(APPEND KEBO_NATIVE_SOURCES ${dir}/RectMath.cpp)
