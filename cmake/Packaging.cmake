# The Debian package: `cpack -G DEB` in a release build tree packs what
# `cmake --install` lays down, under /usr.
#
# Depends is what dpkg-shlibdeps finds for the binary plus the QML modules the
# program loads at run time, which no linker sees: QtQuick with Window,
# Layouts, Templates and the Basic controls style, and the WorkerScript module
# that QtQuick imports. tests/install fails when an `import` in ui/ needs a
# package this list lacks.
# The solved overlay draws an emoji, hence the colour emoji font.

set(CPACK_PACKAGE_NAME "pondrel-sudoku")
set(CPACK_PACKAGE_VENDOR "The Pondrel team")
set(CPACK_PACKAGE_CONTACT "The Pondrel team <maintainers@pondrel.example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://pondrel.example.org")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "simple sudoku game for the system tray")
set(CPACK_PACKAGE_DESCRIPTION
"Pondrel Sudoku is a classic 9x9 sudoku that lives in the system tray. There is
no main window: clicking the tray icon opens a small panel with the board, and
clicking anywhere else hides it and pauses the clock.

Every puzzle is generated on the computer and rated Easy, Medium, Hard or
Expert by the techniques a person needs to solve it. The game keeps pencil
notes, undo, hints and statistics, and uses no network.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "pondrel-sudoku")
set(CPACK_STRIP_FILES ON)

set(CPACK_GENERATOR "DEB")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qml6-module-qtquick, qml6-module-qtquick-controls, qml6-module-qtquick-layouts, qml6-module-qtquick-templates, qml6-module-qtquick-window, qml6-module-qtqml-workerscript")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-color-emoji")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Files only the Debian package carries: the copyright notice and changelog
# Debian expects under /usr/share/doc, and the lintian overrides below. They
# go into the component "debian", which a plain `cmake --install` skips and
# cpack adds to the default one.
#
# The binary stays in /usr/bin, where `cmake --install` puts it, rather than
# Debian's /usr/games: one layout for every way of installing, and launchers
# find it through PATH either way.
set(debian_doc ${CMAKE_CURRENT_BINARY_DIR}/debian)
set(maintainer "${CPACK_PACKAGE_CONTACT}")
file(CONFIGURE OUTPUT ${debian_doc}/copyright @ONLY CONTENT
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Pondrel Sudoku
Upstream-Contact: @maintainer@
Source: @CPACK_PACKAGE_HOMEPAGE_URL@

Files: *
Copyright: 2026 The Pondrel team
License: proprietary
 All rights reserved.
")
# The package is built from this tree, not uploaded to Debian: there is no
# bug for its changelog to close.
file(CONFIGURE OUTPUT ${debian_doc}/pondrel-sudoku @ONLY CONTENT
"pondrel-sudoku: package-section-games-but-contains-no-game
pondrel-sudoku: initial-upload-closes-no-bugs
")

# The changelog's one entry is the newest release of the AppStream file, so
# the version and date are written down once.
set(metainfo ${PROJECT_SOURCE_DIR}/resources/org.example.pondrel.sudoku.metainfo.xml)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${metainfo})
file(READ ${metainfo} metainfo_text)
if(NOT metainfo_text MATCHES "<release version=\"([^\"]+)\" date=\"([0-9-]+)\"")
    message(FATAL_ERROR "${metainfo} names no release with a date")
endif()
set(release_version ${CMAKE_MATCH_1})
set(release_date ${CMAKE_MATCH_2})
if(NOT release_version VERSION_EQUAL PROJECT_VERSION)
    message(WARNING "The newest release in ${metainfo} is ${release_version}, "
        "the project is ${PROJECT_VERSION}: add a <release> for it")
endif()
execute_process(COMMAND date -u -R -d "${release_date} 12:00"
    OUTPUT_VARIABLE release_time OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
file(CONFIGURE OUTPUT ${debian_doc}/changelog.Debian @ONLY CONTENT
"pondrel-sudoku (@PROJECT_VERSION@-@CPACK_DEBIAN_PACKAGE_RELEASE@) unstable; urgency=medium

  * Release @release_version@.

 -- @maintainer@  @release_time@
")
execute_process(COMMAND gzip -9 -n -c ${debian_doc}/changelog.Debian
    OUTPUT_FILE ${debian_doc}/changelog.Debian.gz
    COMMAND_ERROR_IS_FATAL ANY)

include(GNUInstallDirs)
install(FILES ${debian_doc}/copyright ${debian_doc}/changelog.Debian.gz
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${CPACK_PACKAGE_NAME}
    COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES ${debian_doc}/pondrel-sudoku
    DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
    COMPONENT debian EXCLUDE_FROM_ALL)
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${CMAKE_BINARY_DIR};${PROJECT_NAME};ALL;/"
    "${CMAKE_BINARY_DIR};${PROJECT_NAME};debian;/")

include(CPack)
