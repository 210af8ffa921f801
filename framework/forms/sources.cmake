set(dir ${CMAKE_CURRENT_LIST_DIR})
list(APPEND KEBO_SOURCES ${dir}/XGArgStream.cpp ${dir}/XGRecordWalker.cpp)
list(APPEND KEBO_NATIVE_SOURCES ${dir}/XGArgStream.cpp ${dir}/XGRecordWalker.cpp)
