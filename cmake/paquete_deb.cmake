# `cpack -G DEB` in a release build makes tolvera_<version>_<arch>.deb from the
# install rules. Its dependencies come from the libraries the program links;
# libcurl is opened only at the first download, so the linker cannot see it
# and it is named here, as is the font the windows are laid out for.
set(CPACK_PACKAGE_NAME tolvera)
set(CPACK_PACKAGE_VENDOR Tolvera)
set(CPACK_PACKAGE_CONTACT "Tolvera <tolvera@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Fill in slips of the Spanish football pools")
set(CPACK_PACKAGE_DESCRIPTION
    "Tolvera fills in slips of the Spanish football pools, the quiniela: matches,
bet columns, variable matches spread from percentage shares, bet files,
printing on a plain sheet or onto the official slip, and hits counting.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://example.org/tolvera)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcurl4, fonts-liberation")
# Only Qt's own dialogs speak the user's language with it; without it they
# stay in English and the program works the same.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
include(CPack)
