# A Debian package of the program: `cpack -G DEB` in the build directory.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lysvandre)
set(CPACK_PACKAGE_VENDOR "Lysvandre")
set(CPACK_PACKAGE_CONTACT "Lysvandre maintainers <maintainers@lysvandre.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Teaching program about population: lifetimes, projections, censuses")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# qt6-translations-l10n: the toolkit's own dialogs in Danish.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), libjpeg62-turbo, fonts-liberation2, qt6-translations-l10n, libc6, libstdc++6")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Lysvandre shows how long people live, projects a country's population\n year by year from a built-in base year and browses historical censuses.")
include(CPack)
