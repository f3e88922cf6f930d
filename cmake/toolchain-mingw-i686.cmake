# Cross-builds Stats.dll and the tests for 32-bit Windows with MinGW-w64; the
# tests run under 32-bit Wine through the cross-compiling emulator.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(ZVK_MINGW i686-w64-mingw32)
set(ZVK_WINEARCH win32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
