# cmake --install of a Windows build: headers under include/kebo/<floor>, the
# floors and the entry point under lib, the framework's resource script with
# the fragments and message tables it names under share/kebo/resources, the
# toolchain files under share/kebo/cmake, and the package KEBO (KEBO::kebo,
# KEBO::framework and the application functions) under lib/cmake/KEBO.
include(CMakePackageConfigHelpers)

install(TARGETS kebo_entry kebo_framework kebo EXPORT KEBOTargets ARCHIVE DESTINATION lib)
install(EXPORT KEBOTargets NAMESPACE KEBO:: DESTINATION lib/cmake/KEBO)

get_property(fragments GLOBAL PROPERTY KEBO_RC_FRAGMENTS)
install(FILES ${KEBO_SOURCE_DIR}/framework/KEBO.rc ${fragments} DESTINATION share/kebo/resources)
install(FILES ${KEBO_SOURCE_DIR}/cmake/toolchain-i686-w64-mingw32.cmake
    ${KEBO_SOURCE_DIR}/cmake/toolchain-x86_64-w64-mingw32.cmake
    DESTINATION share/kebo/cmake)

configure_package_config_file(${KEBO_SOURCE_DIR}/cmake/KEBOConfig.cmake.in
    ${KEBO_BINARY_DIR}/package/KEBOConfig.cmake
    INSTALL_DESTINATION lib/cmake/KEBO)
# The major version is the promise: a program written for 1.x builds on any 1.y.
write_basic_package_version_file(${KEBO_BINARY_DIR}/package/KEBOConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
install(FILES ${KEBO_BINARY_DIR}/package/KEBOConfig.cmake
    ${KEBO_BINARY_DIR}/package/KEBOConfigVersion.cmake
    ${KEBO_SOURCE_DIR}/cmake/KeboApplication.cmake
    DESTINATION lib/cmake/KEBO)
