# `cpack -G DEB` in a release build makes tolvera_<version>_<arch>.deb from the
# install rules. Its dependencies come from the libraries the program links;
# libcurl is opened only at the first download, so the linker cannot see it
# and it is named here, as is the font the windows are laid out for.
set(TOLVERA_MANTENEDOR "Equipo de Tolvera <equipo@tolvera.es>" CACHE STRING
    "Who answers for the package: its Maintainer field, changelog and copyright contact")
set(TOLVERA_WEB "https://tolvera.es" CACHE STRING "The program's home page")

# What Debian asks of every package besides the program: the copyright in
# its machine-readable form, the changelog and a manual page, compressed as
# dpkg-deb would leave them (no name, no time stamp).
set(documentos ${CMAKE_BINARY_DIR}/paquete)
configure_file(${CMAKE_CURRENT_LIST_DIR}/paquete/copyright.in ${documentos}/copyright @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/paquete/changelog.in ${documentos}/changelog @ONLY)
add_custom_command(OUTPUT ${documentos}/changelog.gz ${documentos}/tolvera.1.gz
  COMMAND gzip -9n -c ${documentos}/changelog > ${documentos}/changelog.gz
  COMMAND gzip -9n -c ${CMAKE_CURRENT_LIST_DIR}/paquete/tolvera.1 > ${documentos}/tolvera.1.gz
  DEPENDS ${documentos}/changelog ${CMAKE_CURRENT_LIST_DIR}/paquete/tolvera.1
  COMMENT "Compressing the changelog and the manual page")
add_custom_target(documentos_paquete ALL DEPENDS ${documentos}/changelog.gz ${documentos}/tolvera.1.gz)
install(FILES ${documentos}/copyright ${documentos}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${documentos}/tolvera.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_PACKAGE_NAME tolvera)
set(CPACK_PACKAGE_VENDOR Tolvera)
set(CPACK_PACKAGE_CONTACT "${TOLVERA_MANTENEDOR}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TOLVERA_MANTENEDOR}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Fill in slips of the Spanish football pools")
set(CPACK_PACKAGE_DESCRIPTION
    "Tolvera fills in slips of the Spanish football pools, the quiniela: matches,
bet columns, variable matches spread from percentage shares, bet files,
printing on a plain sheet or onto the official slip, and hits counting.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TOLVERA_WEB})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcurl4, fonts-liberation")
# Only Qt's own dialogs speak the user's language with it; without it they
# stay in English and the program works the same.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
include(CPack)
