# SPDX-License-Identifier: GPL-3.0-or-later
# Install rules and the Debian package. Installed under a prefix (/usr in the package):
#   bin/kestive, bin/kestive-report       the trainer and the report tool
#   bin/kestive-launcher                  what the desktop entry starts: prepares the user's working
#                                         folder ${XDG_DATA_HOME:-~/.local/share}/kestive and starts
#                                         the trainer there
#   share/kestive/cases/oll*print.gif     the 57 case pictures the launcher copies from, and where the
#                                         trainer finds a picture its current folder lacks
#   share/kestive/kestive.ico             the classic three-image icon
#   share/applications/kestive.desktop    the desktop menu entry
#   share/icons/hicolor/NxN/apps/kestive.png
#   share/metainfo/org.kestive.Kestive.metainfo.xml   the AppStream metadata for software centres
#   share/man/man1/kestive.1.gz, kestive-launcher.1.gz, kestive-report.1.gz
#   share/doc/kestive/README.md
# Parts whose targets are not built in this configuration are left out of the install.
include(GNUInstallDirs)

set(KESTIVE_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

# Compressed with gzip -9; -n keeps the archive free of a time stamp. Gives the built file in ${out}.
function(kestive_gzip source out)
  get_filename_component(name ${source} NAME)
  set(gz ${CMAKE_BINARY_DIR}/packaging/${name}.gz)
  add_custom_command(
    OUTPUT ${gz}
    COMMAND gzip -9 -n -c ${source} > ${gz}
    DEPENDS ${source}
    COMMENT "Compressing ${name}")
  string(MAKE_C_IDENTIFIER "${name}_gz" target)
  add_custom_target(${target} ALL DEPENDS ${gz})
  set(${out} ${gz} PARENT_SCOPE)
endfunction()

# Manual pages carry the version: "Kestive 1.21" in their header.
set(KESTIVE_SHORT_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
function(kestive_install_man page)
  configure_file(${KESTIVE_PACKAGING_DIR}/${page}.1 ${CMAKE_BINARY_DIR}/packaging/${page}.1 @ONLY)
  kestive_gzip(${CMAKE_BINARY_DIR}/packaging/${page}.1 man_gz)
  install(FILES ${man_gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

if(TARGET kestive)
  install(TARGETS kestive RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(PROGRAMS ${KESTIVE_PACKAGING_DIR}/kestive-launcher DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${KESTIVE_PACKAGING_DIR}/kestive.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${KESTIVE_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  kestive_install_man(kestive)
  kestive_install_man(kestive-launcher)
endif()

if(TARGET kestive-report)
  install(TARGETS kestive-report RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  kestive_install_man(kestive-report)
endif()

if(TARGET kestive-casepics)
  install(DIRECTORY ${CMAKE_BINARY_DIR}/cases/ DESTINATION ${CMAKE_INSTALL_DATADIR}/kestive/cases
          FILES_MATCHING PATTERN "oll[0-9][0-9]print.gif")
endif()

if(TARGET kestive_icons)
  foreach(size IN LISTS KESTIVE_ICON_SIZES)
    install(FILES ${KESTIVE_ICON_DIR}/kestive-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME kestive.png)
  endforeach()
  install(FILES ${KESTIVE_ICON_DIR}/kestive.ico DESTINATION ${CMAKE_INSTALL_DATADIR}/kestive)
endif()

# The documentation folder: the README, the licence terms in Debian's machine-readable form (the full
# text is the system's /usr/share/common-licenses/GPL-3) and the changelog of the package.
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${KESTIVE_PACKAGING_DIR}/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kestive)
configure_file(${KESTIVE_PACKAGING_DIR}/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)
kestive_gzip(${CMAKE_BINARY_DIR}/packaging/changelog changelog_gz)
install(FILES ${changelog_gz} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kestive)

# The Debian package: cpack -G DEB in the build folder gives kestive_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestive)
set(CPACK_PACKAGE_VENDOR "Kestive")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "trainer for recognising the 57 last-layer orientation cases of the cube")
# Lines of the long description stay under 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "Kestive shows a random case of the last-layer orientation step of the 3x3\n"
    "puzzle cube and measures in milliseconds how long you take to recognise it.\n"
    "Kept times are shown per case with their mean, count and deviation, can be\n"
    "saved to session files and reported as text. The package also holds\n"
    "kestive-report, which prints the report of a saved session.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGE_CONTACT "Kestive developers <kestive@kestive.org>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
# A trainer of a skill, in the desktop menu's Education too; not a game installed under /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# Programs are installed stripped; the build folder keeps their symbols.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The libraries the programs link (Qt 6, giflib, libcanberra, the C++ runtime) are found by dpkg-shlibdeps; the
# trainer's windows also need a font close to the designed faces.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation | fonts-dejavu-core")
# Native Wayland windows need Qt's Wayland plugin; the start signal is the sound theme's "bell" (without
# the theme the window system's bell rings instead).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, sound-theme-freedesktop")
# The source tarball: cpack --config CPackSourceConfig.cmake in the build folder gives
# kestive-<version>-source.tar.gz, the source tree without its history and build folders.
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_PACKAGE_FILE_NAME kestive-${PROJECT_VERSION}-source)
# The patterns are regular expressions on full paths, anchored at this source tree; special characters of
# its path are put in brackets, as backslashes would need escaping once more in the CPack configuration.
string(REGEX REPLACE "([.+*?()|$])" "[\\1]" source_dir_pattern "${PROJECT_SOURCE_DIR}")
set(CPACK_SOURCE_IGNORE_FILES "^${source_dir_pattern}/[.]git(/|$)" "^${source_dir_pattern}/(build|out|Testing)/" "[.]swp$")
include(CPack)
