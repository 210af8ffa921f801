set(dir ${CMAKE_CURRENT_LIST_DIR})
list(APPEND KEBO_SOURCES ${dir}/XGToolbarData.cpp
    ${dir}/XGPopWindow.cpp ${dir}/XGToolTipView.cpp ${dir}/XGToolTip.cpp ${dir}/XGToolbarView.cpp)
list(APPEND KEBO_NATIVE_SOURCES ${dir}/XGToolbarData.cpp)
