set(dir ${CMAKE_CURRENT_LIST_DIR})
list(APPEND KEBO_SOURCES
    ${dir}/XGDispatch.cpp
    ${dir}/XGSend.cpp
    ${dir}/XGBroadcast.cpp
    ${dir}/XGPeriodic.cpp)
