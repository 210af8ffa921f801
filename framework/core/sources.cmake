set(dir ${CMAKE_CURRENT_LIST_DIR})
# Dispatch, receiver lists, broadcasts and periodic tasks are byte-level: built natively too.
set(KEBO_CORE_BYTE_SOURCES
    ${dir}/XGDispatch.cpp
    ${dir}/XGSend.cpp
    ${dir}/XGBroadcast.cpp
    ${dir}/XGPeriodic.cpp)
list(APPEND KEBO_SOURCES ${KEBO_CORE_BYTE_SOURCES}
    ${dir}/XGFocusHeir.cpp
    ${dir}/XGGlobals.cpp
    ${dir}/XGTime.cpp
    ${dir}/XGAppArgs.cpp
    ${dir}/XGAppCore.cpp
    ${dir}/XGAppDefaults.cpp)
list(APPEND KEBO_NATIVE_SOURCES ${dir}/XGAppArgs.cpp ${KEBO_CORE_BYTE_SOURCES} ${dir}/XGFocusHeirNative.cpp)

# The program entry (WinMain and XGMain) is linked as objects, not from the
# archive: the C runtime's reference to WinMain comes after the archive has
# been searched. Applications link kebo_entry; tests with their own main don't.
if(WIN32)
    add_library(kebo_entry OBJECT ${dir}/XGMain.cpp)
    target_link_libraries(kebo_entry PUBLIC kebo)
    kebo_warnings(kebo_entry)
endif()
