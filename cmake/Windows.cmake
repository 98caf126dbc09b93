# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows build, cross-compiled on Linux with MinGW-w64 (scripts/windows.sh configures it).
# The programs built here run on the build machine through Wine: the tests, and the test discovery at
# build time. The two drawers that run at build time (the case pictures, the icon) come as native
# programs from a build for the build machine, KESTIVE_HOST_TOOLS.
if(NOT CMAKE_CROSSCOMPILING)
  message(FATAL_ERROR "Kestive for Windows is cross-built on Linux: see scripts/windows.sh")
endif()

# windows.h without its min and max macros, which would break std::min and std::max.
add_compile_definitions(NOMINMAX)

set(KESTIVE_HOST_TOOLS "" CACHE PATH "A native build of Kestive holding tools/kestive-casepics and tools/kestive-icon")
foreach(tool IN ITEMS kestive-casepics kestive-icon)
  set(path ${KESTIVE_HOST_TOOLS}/tools/${tool}/${tool})
  if(NOT EXISTS ${path})
    message(FATAL_ERROR "${path} is missing: build ${tool} natively and name that build in KESTIVE_HOST_TOOLS")
  endif()
  string(MAKE_C_IDENTIFIER "KESTIVE_HOST_${tool}" var)
  set(${var} ${path})
endforeach()

# Wine runs the Windows programs of the build with the DLLs of MinGW and of the cached libraries on
# their path, in a Wine folder of the build's own.
find_program(KESTIVE_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(NOT KESTIVE_WINE)
  message(FATAL_ERROR "Wine is needed to run the Windows tests: apt-get install wine64")
endif()
set(dll_folders)
foreach(dll IN ITEMS libstdc++-6.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll} OUTPUT_VARIABLE found
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${found}")
    find_file(found_${dll} ${dll} PATHS /usr/x86_64-w64-mingw32/lib NO_DEFAULT_PATH)
    set(found ${found_${dll}})
  endif()
  if(NOT EXISTS "${found}")
    message(FATAL_ERROR "MinGW's ${dll} is missing")
  endif()
  get_filename_component(folder ${found} DIRECTORY)
  list(APPEND dll_folders ${folder})
endforeach()
foreach(prefix IN LISTS KESTIVE_WINDOWS_PREFIXES)
  if(IS_DIRECTORY ${prefix}/bin)
    list(APPEND dll_folders ${prefix}/bin)
  endif()
endforeach()
list(REMOVE_DUPLICATES dll_folders)
list(TRANSFORM dll_folders PREPEND "Z:")
string(REPLACE "/" "\\" KESTIVE_WINE_DLL_PATH "${dll_folders}")  # ";" between them, as Windows has it
set(KESTIVE_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine)
configure_file(${PROJECT_SOURCE_DIR}/tests/windows/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
# The tests are listed when ctest runs them, not at build time, so that building needs no Wine.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
