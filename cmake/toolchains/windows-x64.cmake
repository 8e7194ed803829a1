# 64-bit Windows: the same sources, run by the tests under wine64.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(VOKRANT_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
