set(dir ${CMAKE_CURRENT_LIST_DIR})
list(APPEND KEBO_SOURCES ${dir}/XGDialogText.cpp ${dir}/XGDialog.cpp ${dir}/XGDialogAlert.cpp)
list(APPEND KEBO_NATIVE_SOURCES ${dir}/XGDialogText.cpp)
