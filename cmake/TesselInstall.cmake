# Installation: headers, the shared library, a CMake package and tessel.pc.
include(CMakePackageConfigHelpers)

install(TARGETS tessel EXPORT tesselTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/tessel
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

set(TESSEL_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/tessel)
install(EXPORT tesselTargets NAMESPACE tessel:: DESTINATION ${TESSEL_CMAKE_DIR})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/tesselConfig.cmake.in
    ${PROJECT_BINARY_DIR}/tesselConfig.cmake
    INSTALL_DESTINATION ${TESSEL_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/tesselConfigVersion.cmake
    COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/tesselConfig.cmake
              ${PROJECT_BINARY_DIR}/tesselConfigVersion.cmake
    DESTINATION ${TESSEL_CMAKE_DIR})

configure_file(${PROJECT_SOURCE_DIR}/cmake/tessel.pc.in ${PROJECT_BINARY_DIR}/tessel.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/tessel.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
