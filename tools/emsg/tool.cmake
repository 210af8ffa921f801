# xgemsg: the EMSG message-table compiler.
add_executable(xgemsg ${CMAKE_CURRENT_LIST_DIR}/xgemsg.cpp)
