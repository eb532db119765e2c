# The installable package: the library, the platform it stands on, their headers, a CMake
# package (find_package(ruzav32) gives ruzav32::ruzav32, which brings the platform along, and
# ruzav32::desktop, the driver) and a pkg-config file.
#
#   <prefix>/include/ruzav32/*.h             the library's public headers
#   <prefix>/include/ruzav32/platform/...    <windows.h>, <afxwin.h>, <desktop.h> ...
#   <prefix>/lib/libruzav32.so.0.1.0, libruzav_<layer>.so.0.1.0 (sonames .so.0)
#   <prefix>/lib/cmake/ruzav32/              the CMake package
#   <prefix>/lib/pkgconfig/ruzav32.pc
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(RUZAV_PLATFORM_INSTALL_INCLUDE ${CMAKE_INSTALL_INCLUDEDIR}/ruzav32/platform)
set(_ruzav_installed ruzav32 ruzav_kernel ruzav_gdi ruzav_user ruzav_comctl ruzav_comdlg ruzav_afx
                     ruzav_desktop)

foreach(_lib ${_ruzav_installed})
    # Each library finds the layers below it beside itself, wherever the prefix is moved.
    set_target_properties(${_lib} PROPERTIES VERSION ${PROJECT_VERSION}
                                             SOVERSION ${PROJECT_VERSION_MAJOR}
                                             INSTALL_RPATH "$ORIGIN")
endforeach()
set_target_properties(ruzav_desktop PROPERTIES EXPORT_NAME desktop)
foreach(_layer kernel gdi user comctl afx)
    set_target_properties(ruzav_${_layer} PROPERTIES EXPORT_NAME platform_${_layer})
endforeach()

install(TARGETS ${_ruzav_installed} EXPORT ruzav32Targets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} ${RUZAV_PLATFORM_INSTALL_INCLUDE})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/include/ruzav32/
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/ruzav32 FILES_MATCHING PATTERN "*.h")
install(DIRECTORY ${CMAKE_SOURCE_DIR}/platform/include/
        DESTINATION ${RUZAV_PLATFORM_INSTALL_INCLUDE} FILES_MATCHING PATTERN "*.h")

set(_cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/ruzav32)
install(EXPORT ruzav32Targets NAMESPACE ruzav32:: DESTINATION ${_cmake_dir})
configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/ruzav32Config.cmake.in
                              ${CMAKE_BINARY_DIR}/ruzav32Config.cmake
                              INSTALL_DESTINATION ${_cmake_dir})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/ruzav32ConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/ruzav32Config.cmake ${CMAKE_BINARY_DIR}/ruzav32ConfigVersion.cmake
        DESTINATION ${_cmake_dir})

# The .pc file finds the prefix from where it lies, so `cmake --install --prefix` anywhere works.
file(RELATIVE_PATH RUZAV_PC_TO_PREFIX /root/${CMAKE_INSTALL_LIBDIR}/pkgconfig /root)
string(REGEX REPLACE "/$" "" RUZAV_PC_TO_PREFIX "${RUZAV_PC_TO_PREFIX}")
configure_file(${CMAKE_SOURCE_DIR}/cmake/ruzav32.pc.in ${CMAKE_BINARY_DIR}/ruzav32.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/ruzav32.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
