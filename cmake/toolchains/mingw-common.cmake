# Shared part of the mingw-w64 cross toolchains. The -posix compilers carry the
# standard thread library (winpthreads); both runtimes are linked statically so
# that the DLL and the programs import only system DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${VOKRANT_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VOKRANT_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VOKRANT_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VOKRANT_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
