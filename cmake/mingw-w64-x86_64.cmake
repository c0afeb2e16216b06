# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 compilers. The
# posix variant's std::thread and std::mutex are what the engine uses.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KAVREL_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KAVREL_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KAVREL_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${KAVREL_MINGW_TRIPLET}-windres)

# Libraries and headers come from the MinGW root and from the prefixes given
# in CMAKE_PREFIX_PATH (the cross-built Qt and OpenSSL), never from the build
# machine's /usr; programs such as moc and rcc do come from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${KAVREL_MINGW_TRIPLET} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
