# The Debian package: `cpack -G DEB` in a build folder gives vexilor_<version>_amd64.deb.
set(CPACK_PACKAGE_NAME vexilor)
set(CPACK_PACKAGE_VENDOR "The Vexilor developers")
set(CPACK_PACKAGE_CONTACT "The Vexilor developers <developers@vexilor.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pixel sprite editor for ZX Spectrum BASIC")
set(CPACK_PACKAGE_DESCRIPTION
    "Vexilor paints monochrome sprites of up to 64 x 64 pixels on a magnified\n\
grid and converts them into ZX Spectrum BASIC DATA lines, one line of eight\n\
bytes per 8 x 8 cell. The listing can be saved as a text file or printed.\n\
vexilor-listing converts picture files into the same listing.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://vexilor.example.org/)
# Dependencies come from the binaries' shared libraries, through dpkg-shlibdeps, the font
# that the window's fixed-size captions are measured for, and Qt's own translations, which
# put its dialogs into Russian.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
# The program prefers X11, which every Wayland desktop offers too; Qt's Wayland plugin is
# needed only where no X server runs, or when the user chooses Wayland.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS qt6-wayland)
include(CPack)
