# Installation and the Debian package. `cmake --install` puts Quellaro (and cm-simulator, see
# simulator/CMakeLists.txt) in bin, the translations in share/Quellaro/translations (where the
# installed program looks, whatever the prefix), the desktop entry, its icon, the AppStream
# metadata, the man pages and the copyright and changelog in share. `cpack -G DEB` packs the
# same files under /usr, as Debian's policy has it (scripts/package.sh makes and checks it).
install(TARGETS Quellaro RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${QUELLARO_QM_FILES} DESTINATION ${QUELLARO_TRANSLATIONS_INSTALL_DIR})
install(FILES packaging/quellaro.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/quellaro.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps)
install(FILES packaging/org.orbanek.quellaro.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES packaging/copyright DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/quellaro)

# Man pages and the changelog are installed compressed; -n keeps the time out of the bytes.
find_program(QUELLARO_GZIP gzip REQUIRED)
set(compressed "")
foreach(source packaging/Quellaro.1 packaging/cm-simulator.1 packaging/changelog)
    get_filename_component(name ${source} NAME)
    set(output ${CMAKE_BINARY_DIR}/packaging/${name}.gz)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
        COMMAND ${QUELLARO_GZIP} -9nc ${CMAKE_CURRENT_SOURCE_DIR}/${source} > ${output}
        DEPENDS ${source} VERBATIM)
    list(APPEND compressed ${output})
endforeach()
add_custom_target(quellaro_compressed_docs ALL DEPENDS ${compressed})
install(FILES ${CMAKE_BINARY_DIR}/packaging/Quellaro.1.gz ${CMAKE_BINARY_DIR}/packaging/cm-simulator.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/quellaro)

set(CPACK_PACKAGE_NAME quellaro)
set(CPACK_PACKAGE_VENDOR "Orbanek")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "service tool for a vending coffee machine")
# Lines of at most 80 characters, as Debian's control files want them.
set(CPACK_PACKAGE_DESCRIPTION "Quellaro watches and tests a vending coffee machine over TCP, switches its
mode and edits its drink recipes. cm-simulator stands in for the machine's
controller.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Quellaro developers <quellaro@orbanek.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt libraries the programs were linked with, by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Debian wants 0755 folders whatever the builder's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
