set(dir ${CMAKE_CURRENT_LIST_DIR})
list(APPEND KEBO_NATIVE_SOURCES ${dir}/XGDDEParser.cpp)
list(APPEND KEBO_SOURCES
    ${dir}/XGDDEParser.cpp
    ${dir}/XGDDEServer.cpp
    ${dir}/XGEventOwner.cpp
    ${dir}/XGWindow.cpp
    ${dir}/XGWindowProc.cpp)
