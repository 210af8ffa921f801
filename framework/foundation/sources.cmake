# Foundation: arrays, handles, strings, string lists, errors, the EMSG table.
set(dir ${CMAKE_CURRENT_LIST_DIR})

# Byte-level pieces: built for Windows and natively (no <windows.h>).
set(KEBO_FOUNDATION_BYTE_SOURCES
    ${dir}/XGArray.cpp
    ${dir}/XGSizeArray.cpp
    ${dir}/XGHandle.cpp
    ${dir}/XGString.cpp
    ${dir}/XGStringList.cpp
    ${dir}/XGFormat.cpp
    ${dir}/XGMessageTable.cpp
    ${dir}/XGError.cpp
    ${dir}/XGPostError.cpp
    ${dir}/XGAbort.cpp
    ${dir}/XGAssert.cpp)

list(APPEND KEBO_SOURCES ${KEBO_FOUNDATION_BYTE_SOURCES}
    ${dir}/XGResource.cpp
    ${dir}/XGResBitmap.cpp
    ${dir}/XGInline.cpp)

if(WIN32)
    kebo_generate(OUTPUT EMSG128.bin TOOL xgemsg
        ARGS --bin ${dir}/EMSG128.txt EMSG128.bin DEPENDS ${dir}/EMSG128.txt)
    list(APPEND KEBO_RC_FRAGMENTS ${CMAKE_BINARY_DIR}/gen/EMSG128.bin)
else()
    # Without Windows resources the native build carries the same table compiled in.
    set(KEBO_NATIVE_EMSG128 ${CMAKE_BINARY_DIR}/gen-native/EMSG128.cpp)
    add_custom_command(OUTPUT ${KEBO_NATIVE_EMSG128}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/gen-native
        COMMAND xgemsg --cpp ${dir}/EMSG128.txt ${KEBO_NATIVE_EMSG128} kXGMessageTable128
        DEPENDS xgemsg ${dir}/EMSG128.txt
        VERBATIM)
    list(APPEND KEBO_NATIVE_SOURCES ${KEBO_FOUNDATION_BYTE_SOURCES}
        ${dir}/XGResourceNative.cpp
        ${dir}/XGErrorAlertNative.cpp
        ${KEBO_NATIVE_EMSG128})
endif()
