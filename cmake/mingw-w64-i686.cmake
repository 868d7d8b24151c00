# 32-bit Windows programs with Debian's MinGW-w64.
set(KEBO_MINGW_TRIPLET i686-w64-mingw32)
set(KEBO_MINGW_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
