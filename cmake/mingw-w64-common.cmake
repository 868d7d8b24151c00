# Cross-compiling for Windows with Debian's MinGW-w64 (packages mingw-w64 and g++-mingw-w64).
# Included by the per-architecture toolchain files, which set KEBO_MINGW_TRIPLET first.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${KEBO_MINGW_PROCESSOR})

# The posix thread model: GoogleTest needs std::mutex, which the win32 model lacks. Its
# winpthread is linked in statically like the rest of the runtime.
set(CMAKE_C_COMPILER ${KEBO_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KEBO_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${KEBO_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KEBO_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C and C++ runtimes linked in, so that every program imports only DLLs that ship with
# Windows. No link time in the file header, so that two builds of one commit are byte-identical.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -Wl,--no-insert-timestamp")
# Nor the folder the sources were checked out into (in __FILE__ and debug information).
get_filename_component(KEBO_SOURCE_ROOT "${CMAKE_CURRENT_LIST_DIR}" DIRECTORY)
set(CMAKE_CXX_FLAGS_INIT "-ffile-prefix-map=${KEBO_SOURCE_ROOT}/=")
