# Cross-compiled Windows test programs run under Wine, all in one prefix of this build, made with
# the build so that listing the tests finds it ready. Included before the sources, so that the
# prefix is made first: making it mostly waits on Wine, and the compiles go on beside it.
if(CMAKE_CROSSCOMPILING AND CMAKE_SYSTEM_NAME STREQUAL "Windows" AND NOT CMAKE_HOST_WIN32)
    set(KEBO_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/tests/win32/wine-run ${KEBO_WINE_PREFIX})
    add_custom_command(OUTPUT ${KEBO_WINE_PREFIX}/system.reg
        COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR}
        COMMENT "Making the Wine prefix for the tests")
    add_custom_target(kebo_wine_prefix ALL DEPENDS ${KEBO_WINE_PREFIX}/system.reg)
endif()
