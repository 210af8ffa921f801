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

# EMSG 128 is the framework's table; EMSG 129 holds the messages it gained later.
set(KEBO_MESSAGE_TABLES 128 129)
if(WIN32)
    foreach(table ${KEBO_MESSAGE_TABLES})
        kebo_generate(OUTPUT EMSG${table}.bin TOOL xgemsg
            ARGS --bin ${dir}/EMSG${table}.txt EMSG${table}.bin DEPENDS ${dir}/EMSG${table}.txt)
        list(APPEND KEBO_RC_FRAGMENTS ${CMAKE_BINARY_DIR}/gen/EMSG${table}.bin)
    endforeach()
else()
    # Without Windows resources the native build carries the same tables compiled in.
    set(KEBO_NATIVE_MESSAGE_TABLES)
    foreach(table ${KEBO_MESSAGE_TABLES})
        set(out ${CMAKE_BINARY_DIR}/gen-native/EMSG${table}.cpp)
        add_custom_command(OUTPUT ${out}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/gen-native
            COMMAND xgemsg --cpp ${dir}/EMSG${table}.txt ${out} kXGMessageTable${table}
            DEPENDS xgemsg ${dir}/EMSG${table}.txt
            VERBATIM)
        list(APPEND KEBO_NATIVE_MESSAGE_TABLES ${out})
    endforeach()
    list(APPEND KEBO_NATIVE_SOURCES ${KEBO_FOUNDATION_BYTE_SOURCES}
        ${dir}/XGResourceNative.cpp
        ${dir}/XGErrorAlertNative.cpp
        ${KEBO_NATIVE_MESSAGE_TABLES})
endif()
