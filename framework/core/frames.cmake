set(dir ${CMAKE_CURRENT_LIST_DIR})
list(APPEND KEBO_SOURCES ${dir}/XGAppMultiWindowRules.cpp ${dir}/XGAppMultiWindow.cpp ${dir}/XGAppSingleWindow.cpp)
list(APPEND KEBO_NATIVE_SOURCES ${dir}/XGAppMultiWindowRules.cpp)
