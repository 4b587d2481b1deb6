# Cross-building for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix): the
# POSIX thread model, which the C++ library's threads and clocks need.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(SORVEL_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${SORVEL_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SORVEL_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${SORVEL_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${SORVEL_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
