# Installation and packaging: what a host developer gets from `cmake --install` or the Debian
# packages. One prefix holds
#   lib/libmaldi_ui.so.<soversion>   the library with the stand-ins folded in (runtime)
#   include/maldi-ui/...             every header of maldi/, platform/ and tests/support/, at its
#                                    repository path, so #include "maldi/panels/..." works as here
#   lib/libmaldi_ui_testing.a        the test support for a host's own tests
#   lib/cmake/MaldiUI/               find_package(MaldiUI): MaldiUI::maldi_ui, MaldiUI::testing
#   lib/pkgconfig/maldi-ui.pc
# Headers are installed by folder, so a header added to any folder is installed with no edit here.
#
# The packages put the default laser pattern under share/maldi-ui; configure them with the
# `package` preset, which sets MALDI_PATTERN_DIR to match (see platform/tuning/CMakeLists.txt).

include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(MALDI_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/maldi-ui)
set(MALDI_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/MaldiUI)
# Before 1.0 every minor version may change the binary interface: the soname carries both numbers.
set(MALDI_SOVERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})

set_target_properties(maldi_ui PROPERTIES VERSION ${PROJECT_VERSION} SOVERSION ${MALDI_SOVERSION}
                                          EXPORT_NAME maldi_ui)
set_target_properties(maldi_ui_testing PROPERTIES EXPORT_NAME testing)
target_compile_features(maldi_ui INTERFACE cxx_std_20)

install(TARGETS maldi_ui EXPORT MaldiUITargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT dev
        INCLUDES DESTINATION ${MALDI_INSTALL_INCLUDEDIR})
install(TARGETS maldi_ui_testing EXPORT MaldiUITargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT dev)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/maldi ${PROJECT_SOURCE_DIR}/platform
        DESTINATION ${MALDI_INSTALL_INCLUDEDIR} COMPONENT dev
        FILES_MATCHING PATTERN "*.h" PATTERN "data" EXCLUDE)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/tests/support
        DESTINATION ${MALDI_INSTALL_INCLUDEDIR}/tests COMPONENT dev
        FILES_MATCHING PATTERN "*.h")

install(EXPORT MaldiUITargets NAMESPACE MaldiUI:: DESTINATION ${MALDI_INSTALL_CMAKEDIR} COMPONENT dev)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/MaldiUIConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/MaldiUIConfig.cmake
                              INSTALL_DESTINATION ${MALDI_INSTALL_CMAKEDIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/MaldiUIConfigVersion.cmake
                                 COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/MaldiUIConfig.cmake ${PROJECT_BINARY_DIR}/MaldiUIConfigVersion.cmake
        DESTINATION ${MALDI_INSTALL_CMAKEDIR} COMPONENT dev)

# The pkg-config file finds the prefix from its own place, so an installation can be moved.
file(RELATIVE_PATH MALDI_PC_TO_PREFIX ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/pkgconfig
     ${CMAKE_INSTALL_PREFIX})
string(REGEX REPLACE "/$" "" MALDI_PC_TO_PREFIX "${MALDI_PC_TO_PREFIX}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/maldi-ui.pc.in ${PROJECT_BINARY_DIR}/maldi-ui.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/maldi-ui.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT dev)

# cpack -G DEB: the runtime package (the library, the default pattern) and the -dev package
# (headers, test support, CMake and pkg-config files). The runtime's library dependencies
# (FreeType, libpng, the C++ runtime) are read from the library itself; the fonts it renders with
# are not a library, so that package is named here.
set(CPACK_PACKAGE_NAME maldi-ui)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "maldi-ui maintainers")
set(CPACK_PACKAGE_CONTACT "maldi-ui maintainers <maldi-ui@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "User-interface logic of a MALDI / electrospray instrument-control application")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
# The default pattern's folder is an absolute path: install it under the package root.
set(CPACK_SET_DESTDIR ON)
set(CPACK_COMPONENTS_ALL runtime dev)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME libmaldi-ui${MALDI_SOVERSION})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SHLIBDEPS ON)
# A shlibs file and the ldconfig trigger, as Debian library packages have.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_DEV_PACKAGE_NAME libmaldi-ui-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS "libmaldi-ui${MALDI_SOVERSION} (= ${PROJECT_VERSION})")
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION
    "Tool windows, modal dialogs and property sheets of the instrument, with a headless window system")
set(CPACK_COMPONENT_DEV_DESCRIPTION
    "Headers, CMake package, pkg-config file and test support for host applications")
include(CPack)
