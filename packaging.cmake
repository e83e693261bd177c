# Installation: the two programs and the translations, in the program's second look-up place.
include(GNUInstallDirs)
install(TARGETS Quellaro RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${QUELLARO_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/Quellaro/translations)
