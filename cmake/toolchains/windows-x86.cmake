# 32-bit Windows: the build Speech API 4 hosts load.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(VOKRANT_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
