# Installs the program as a desktop application (program, menu entry, icons, AppStream
# metadata) and lets CPack turn the installation into a Debian package.

include(GNUInstallDirs)

# One id names the menu entry, the icon and the metadata, so that menus and software
# centres tie them together.
set(PICK3_APP_ID "example.quorvel.Pick3Tallymoor")
get_filename_component(PICK3_PACKAGING_DIR "${CMAKE_CURRENT_LIST_DIR}/../packaging" ABSOLUTE)

install(TARGETS pick3 RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
# The charts, game library (SQLite), fetch (Qt Network) and print (Qt Print Support)
# modules, where the program looks for them from its own folder.
install(TARGETS pick3_charts pick3_library pick3_fetch pick3_print LIBRARY DESTINATION "${PICK3_MODULES_INSTALL_DIR}")

# The states' game definitions, where the program looks for them beside its own folder.
file(GLOB PICK3_GAME_FILES CONFIGURE_DEPENDS "${CMAKE_CURRENT_LIST_DIR}/../games/*.json")
install(FILES ${PICK3_GAME_FILES} DESTINATION "${CMAKE_INSTALL_DATADIR}/pick3-tallymoor/games")

install(FILES "${PICK3_PACKAGING_DIR}/${PICK3_APP_ID}.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${PICK3_PACKAGING_DIR}/${PICK3_APP_ID}.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")

install(FILES "${PICK3_PACKAGING_DIR}/${PICK3_APP_ID}.svg"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
# The bitmaps are rendered from the SVG once and kept in the tree, so a build needs
# no SVG converter.
foreach(size IN ITEMS 16 32 48 64 128 256)
  install(FILES "${PICK3_PACKAGING_DIR}/icons/${PICK3_APP_ID}-${size}.png"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps"
          RENAME "${PICK3_APP_ID}.png")
endforeach()

# Debian package
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "pick3-tallymoor")
set(CPACK_PACKAGE_VENDOR "Quorvel")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "Quorvel <pick3@quorvel.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Pick 3 lottery number filter and hot/cold digit counter")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.quorvel.example/")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quorvel <pick3@quorvel.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.quorvel.example/")
# CPack puts the summary above this as the synopsis line and indents the rest.
set(CPACK_PACKAGE_DESCRIPTION
    "Pick3 Tallymoor creates three-digit Pick 3 numbers from chosen digits and
drops every number that fits the ticked filters: digit sum, root sum,
shortsum, widths between digits, odd/even, high/low, in/out,
open/closed/straight, sort order, consecutive digits, hot/cold patterns and
two-digit pairs. A second window counts a pasted draw history and ranks the
digits of each position into hot and cold ones.")
# dpkg-shlibdeps reads the libraries of the program and of the charts module, so Depends
# names the Qt 6 packages they link against (libqt6widgets6, libqt6charts6 and friends).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

set(CPACK_STRIP_FILES ON)

include(CPack)
