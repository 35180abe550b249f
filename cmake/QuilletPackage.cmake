# The Debian package that `cpack -G DEB` makes from a build with the package layout
# (scripts/package): everything under /usr, the program's own files in /usr/lib/quillet.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillet)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Quillet authors <quillet@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "personal diary with a private page for every day")
set(CPACK_PACKAGE_DESCRIPTION
    "Quillet is a diary for the desktop. Several people can share one computer: each has a
user name and a password and writes one rich-text page per calendar date, which the others
cannot read. A month calendar shows the days with pages in bold; bookmarks, a history of
visited dates, formatting, pictures, printing with a preview, skins, a clock and a quotation
of the day surround the page. The companion tool porttool exports, imports and searches
the pages.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://quillet.example.org/)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the binaries link, found by dpkg-shlibdeps; then what the program opens while
# it runs, which no binary names: Qt's X11 platform plugin, a General MIDI sound font for the
# credits, the fonts of its pages, and xdg-open, through which the shell opens web addresses.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, timgm6mb-soundfont | fluid-soundfont-gm, fonts-dejavu-core, fonts-comic-neue, xdg-utils")

include(CPack)
