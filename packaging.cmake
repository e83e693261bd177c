# Installation and the Debian package. `cmake --install` puts Quellaro (and cm-simulator, see
# simulator/CMakeLists.txt) in bin, the translations in share/Quellaro/translations, the
# program's second look-up place, and a desktop entry with its icon in share. `cpack -G DEB`
# packs the same files.
include(GNUInstallDirs)
install(TARGETS Quellaro RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${QUELLARO_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/Quellaro/translations)
install(FILES packaging/quellaro.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/quellaro.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps)

# The program looks for its translations in /usr/local/share/Quellaro/translations only.
if(NOT CMAKE_INSTALL_PREFIX STREQUAL "/usr/local")
    message(WARNING "Installing to ${CMAKE_INSTALL_PREFIX}: the program will not find its translations there "
                    "(it looks next to itself and in /usr/local/share/Quellaro/translations)")
endif()

set(CPACK_PACKAGE_NAME quellaro)
set(CPACK_PACKAGE_VENDOR "Orbanek")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Service tool for a vending coffee machine, with a controller simulator")
set(CPACK_PACKAGE_DESCRIPTION "Quellaro watches and tests a vending coffee machine over TCP, switches its \
mode and edits its drink recipes. cm-simulator stands in for the machine's controller.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# Into the same prefix as `cmake --install`, where the program finds its translations.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr/local)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Orbanek service <service@orbanek.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
include(CPack)
