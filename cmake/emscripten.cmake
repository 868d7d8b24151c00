# The web page, compiled to WebAssembly with the Emscripten that is installed (Debian's package
# emscripten): its own CMake platform, found beside its emcc.
find_program(KEBO_EMCC emcc REQUIRED)
file(REAL_PATH ${KEBO_EMCC} KEBO_EMCC)
get_filename_component(KEBO_EMSCRIPTEN_ROOT ${KEBO_EMCC} DIRECTORY)
include(${KEBO_EMSCRIPTEN_ROOT}/cmake/Modules/Platform/Emscripten.cmake)

# emcc's JavaScript tools run under Node and take their modules (acorn) from Debian's folder for
# them, which a Node that is not Debian's own does not look in.
if(EXISTS /usr/share/nodejs)
    set(CMAKE_CXX_LINKER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
endif()
