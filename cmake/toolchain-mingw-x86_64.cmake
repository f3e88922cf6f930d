# Cross-builds Stats.dll and the tests for 64-bit Windows with MinGW-w64, for
# machines that cannot run 32-bit programs: the tests run under 64-bit Wine.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(ZVK_MINGW x86_64-w64-mingw32)
set(ZVK_WINEARCH win64)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
