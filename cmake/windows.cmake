# Windows build (cross-compiled with cmake/toolchain-mingw-i686.cmake): GoogleTest
# from source, and the Wine prefix in which the tests run.
if(NOT CMAKE_CROSSCOMPILING)
  return()
endif()

set(ZVK_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources to cross-build")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${ZVK_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Tests are listed when CTest starts, under Wine, rather than at build time:
# a Wine server started during a headless build would keep the display away
# from the dialog tests.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)

# One Wine prefix per build folder, made at build time. Unmanaged windows:
# without a window manager, managed ones take seconds to close.
set(ZVK_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/wineprefix.stamp
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${ZVK_WINEPREFIX}
  COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} wineboot -i
  COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /d N /f
  COMMAND ${CMAKE_COMMAND} -E env WINEPREFIX=${ZVK_WINEPREFIX} wineserver -w
  COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/wineprefix.stamp
  COMMENT "Making the Wine prefix"
  VERBATIM)
add_custom_target(wineprefix ALL DEPENDS ${CMAKE_BINARY_DIR}/wineprefix.stamp)
