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

# Manual pages are installed compressed; -n keeps the archive free of a time stamp.
function(kestive_install_man page)
  set(man_gz ${CMAKE_BINARY_DIR}/packaging/${page}.1.gz)
  add_custom_command(
    OUTPUT ${man_gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
    COMMAND gzip -9 -n -c ${KESTIVE_PACKAGING_DIR}/${page}.1 > ${man_gz}
    DEPENDS ${KESTIVE_PACKAGING_DIR}/${page}.1
    COMMENT "Compressing the manual page of ${page}")
  add_custom_target(${page}_man ALL DEPENDS ${man_gz})
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

install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kestive)

# The Debian package: cpack -G DEB in the build folder gives kestive_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestive)
set(CPACK_PACKAGE_VENDOR "Kestive")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "trainer for recognising the 57 last-layer orientation cases of the cube")
set(CPACK_PACKAGE_DESCRIPTION
    "Kestive shows a random case of the last-layer orientation step of the 3x3 puzzle cube and\n"
    "measures in milliseconds how long you take to recognise it. Kept times are shown per case\n"
    "with their mean, count and deviation, can be saved to session files and reported as text.\n"
    "The package also holds kestive-report, which prints the report of a saved session.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Kestive developers <kestive@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The libraries the programs link (Qt 6, giflib, libcanberra, the C++ runtime) are found by dpkg-shlibdeps; the
# trainer's windows also need a font close to the designed faces.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation | fonts-dejavu-core")
# Native Wayland windows need Qt's Wayland plugin; the start signal is the sound theme's "bell" (without
# the theme the window system's bell rings instead).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, sound-theme-freedesktop")
include(CPack)
