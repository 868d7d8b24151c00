# The Windows packages, made by CPack from the install rules below: a portable zip (ZIP) and a
# per-user installer (NSIS, with Debian's makensis). The installer script is our own
# packaging/windows/NSIS.template.in: CPack's stock one asks for administrator rights and
# installs for all users whenever the user is an administrator.
set(KEBO_WINDOWS_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging/windows)

# The text files with CRLF line ends for Notepad. The README's byte order mark, kept in its
# source, makes Notepad read its Japanese as UTF-8: an editor may drop it unseen.
file(READ ${KEBO_WINDOWS_PACKAGING_DIR}/README.txt.in KEBO_README_START LIMIT 3 HEX)
if(NOT KEBO_README_START STREQUAL "efbbbf")
    message(FATAL_ERROR "packaging/windows/README.txt.in must start with a UTF-8 byte order mark")
endif()
set(KEBO_PACKAGE_TEXT_DIR ${PROJECT_BINARY_DIR}/package-text)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${KEBO_PACKAGE_TEXT_DIR}/LICENSE.txt
               @ONLY NEWLINE_STYLE CRLF)
configure_file(${KEBO_WINDOWS_PACKAGING_DIR}/README.txt.in ${KEBO_PACKAGE_TEXT_DIR}/README.txt
               @ONLY NEWLINE_STYLE CRLF)

# Everything in one folder, as Windows programs are laid out.
install(TARGETS kebo RUNTIME DESTINATION .)
install(FILES ${KEBO_PACKAGE_TEXT_DIR}/LICENSE.txt ${KEBO_PACKAGE_TEXT_DIR}/README.txt
        DESTINATION .)

set(CPACK_GENERATOR ZIP NSIS)
# With the project's version and win64 or win32: kebo-1.0.0-win64.zip, kebo-1.0.0-win64.exe.
set(CPACK_PACKAGE_NAME kebo)
set(CPACK_PACKAGE_VENDOR "the kebo authors")
set(CPACK_PACKAGE_INSTALL_DIRECTORY kebo)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY kebo)
set(CPACK_NSIS_DISPLAY_NAME "ポムリナ (kebo)")
# Escaped twice: CPack reads its settings back as CMake code.
set(CPACK_NSIS_INSTALL_ROOT "$LOCALAPPDATA\\\\Programs")
set(CPACK_NSIS_INSTALLED_ICON_NAME kebo.exe)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/kebo.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/kebo.ico)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_MODULE_PATH ${KEBO_WINDOWS_PACKAGING_DIR})
# Read by our installer script only.
set(CPACK_KEBO_SHORTCUT_NAME "ポムリナ")
# The launcher window's class (launcher_frame.cpp), to tell whether kebo is running.
set(CPACK_KEBO_WINDOW_CLASS KeboLauncherWindow)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(CPACK_KEBO_NSIS_TARGET amd64-unicode)
else()
    set(CPACK_KEBO_NSIS_TARGET x86-unicode)
endif()
include(CPack)
