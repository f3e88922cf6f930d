# The MinGW-w64 cross-build shared by both Windows toolchains; the including
# file sets CMAKE_SYSTEM_PROCESSOR, ZVK_MINGW (the compilers' prefix) and
# ZVK_WINEARCH (the Wine prefix the tests run in).
set(CMAKE_SYSTEM_NAME Windows)

# The posix thread model gives std::thread and std::mutex, which GoogleTest needs.
set(CMAKE_C_COMPILER ${ZVK_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZVK_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${ZVK_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZVK_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Link the C and C++ run-times (and winpthread) statically: no MinGW DLL at run time.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")

# A list, wrapper, Wine architecture and prefix: test discovery runs it at
# build time without the tests' ENVIRONMENT property.
set(CMAKE_CROSSCOMPILING_EMULATOR
    "${CMAKE_CURRENT_LIST_DIR}/wine-run.sh;${ZVK_WINEARCH};${CMAKE_BINARY_DIR}/wineprefix")
