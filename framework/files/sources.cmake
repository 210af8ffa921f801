set(dir ${CMAKE_CURRENT_LIST_DIR})
set(files_native ${dir}/XGVersionInfo.cpp ${dir}/XGFolderOfPath.cpp)
list(APPEND KEBO_SOURCES ${files_native}
    ${dir}/XGDirectory.cpp
    ${dir}/XGFileSpecifier.cpp
    ${dir}/XGAppVersion.cpp
    ${dir}/XGCopyrightWindow.cpp)
list(APPEND KEBO_NATIVE_SOURCES ${files_native})
