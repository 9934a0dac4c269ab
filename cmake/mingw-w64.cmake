# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (posix threads,
# which std::thread and Qt need). Libraries, headers and packages come from
# the target prefixes only; programs (moc, rcc, uic) from the host.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TAGORIX_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TAGORIX_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TAGORIX_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TAGORIX_MINGW_TRIPLE}-windres)
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${TAGORIX_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
