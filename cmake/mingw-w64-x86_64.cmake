# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads, which Qt
# needs): g++-mingw-w64-x86-64-posix. Used to build Qt for Windows and, chained from
# Qt's own toolchain file, to build Quoriam against it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUORIAM_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUORIAM_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUORIAM_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${QUORIAM_MINGW_TRIPLET}-windres)
set(CMAKE_AR ${QUORIAM_MINGW_TRIPLET}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${QUORIAM_MINGW_TRIPLET}-gcc-ranlib-posix CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${QUORIAM_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
