# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: cpack -G DEB in a Release build configured with
# CMAKE_INSTALL_PREFIX=/usr (scripts/package.sh does both).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tollwick)
set(CPACK_PACKAGE_VENDOR "Tollwick developers")
set(CPACK_PACKAGE_CONTACT "Tollwick developers <tollwick@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://tollwick.example.org/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "batch file renamer with undo")
# Lines of at most 80 characters, as Debian's control files want them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Tollwick renames many files of one folder in one run. A wizard leads from"
  "the folder to the list of its files and gives them new names by letter"
  "case, replacement of text, a name mask with a running counter,"
  "Cyrillic-Latin transliteration or deletion of characters, by hand or from"
  "an imported name list. It previews the run and renames the checked files."
  "A file is never renamed over another one, and every run can write an undo"
  "file that puts the names back."
  ""
  "The package holds the window program tollwick and tollwick-batch, which"
  "runs the same steps from the command line for scripts.")
# The programs read their shipped data from the prefix they were built for.
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads the SVG pictures of the window through plugins, which the
# linked libraries do not show. The photo and audio tag readers are named
# too, as the linker keeps a library only once a program calls into it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, libexiv2-27, libtag1v5")
# The window's fixed layout is measured with this face.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-dejavu-core)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS bash-completion)
include(CPack)
