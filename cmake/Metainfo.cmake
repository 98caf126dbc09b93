# SPDX-License-Identifier: GPL-3.0-or-later
# The AppStream metadata names a screenshot only by a web address. The project publishes none of its
# own, so whoever publishes docs/screenshot.png (scripts/screenshot.sh renews it) passes its https
# address here; without one the metadata simply has no screenshot.
set(KESTIVE_SCREENSHOT_URL "" CACHE STRING "https address of the main window's screenshot for software centres")
function(kestive_configure_metainfo output screenshot_url)
  if(screenshot_url)
    set(KESTIVE_METAINFO_SCREENSHOTS "  <screenshots>
    <screenshot type=\"default\">
      <caption>The main window with the 57 cases, their bars and times</caption>
      <image>${screenshot_url}</image>
    </screenshot>
  </screenshots>
")
  else()
    set(KESTIVE_METAINFO_SCREENSHOTS "")
  endif()
  configure_file(${PROJECT_SOURCE_DIR}/packaging/org.kestive.Kestive.metainfo.xml.in ${output} @ONLY)
endfunction()
set(KESTIVE_METAINFO ${CMAKE_BINARY_DIR}/packaging/org.kestive.Kestive.metainfo.xml)
kestive_configure_metainfo(${KESTIVE_METAINFO} "${KESTIVE_SCREENSHOT_URL}")
