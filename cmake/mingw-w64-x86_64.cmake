# 64-bit Windows programs with Debian's MinGW-w64.
set(KEBO_MINGW_TRIPLET x86_64-w64-mingw32)
set(KEBO_MINGW_PROCESSOR AMD64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
