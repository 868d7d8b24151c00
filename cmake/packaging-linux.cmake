# kebo on a Linux desktop: the desktop entry, icons, AppStream metadata and manual page in their
# freedesktop places, the licence and changelog where Debian keeps them, and a Debian package of
# it all built by CPack (`cpack --preset package`).

set(KEBO_PACKAGE_MAINTAINER "The kebo authors <kebo@example.org>"
    CACHE STRING "Maintainer of the Debian package: a name and a mail address")

set(linux_resources ${PROJECT_SOURCE_DIR}/resources/linux)
set(linux_generated ${PROJECT_BINARY_DIR}/linux)

# The date in the form of a mail header, as the changelog wants it.
execute_process(COMMAND date --utc --rfc-email --date ${KEBO_RELEASE_DATE}
    OUTPUT_VARIABLE KEBO_RELEASE_DATE_RFC5322 OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)

# The copyright file quotes LICENSE: its copyright line, then its text indented, blank lines as ".".
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE licence_lines)
set(KEBO_LICENSE_TEXT "")
foreach(line IN LISTS licence_lines)
    if(line MATCHES "^Copyright \\(c\\) (.*)$")
        set(KEBO_COPYRIGHT "${CMAKE_MATCH_1}")
    elseif(DEFINED KEBO_COPYRIGHT)
        if(line STREQUAL "")
            string(APPEND KEBO_LICENSE_TEXT " .\n")
        else()
            string(APPEND KEBO_LICENSE_TEXT " ${line}\n")
        endif()
    endif()
endforeach()
string(REGEX REPLACE "^ \\.\n" "" KEBO_LICENSE_TEXT "${KEBO_LICENSE_TEXT}")
string(STRIP "${KEBO_LICENSE_TEXT}" KEBO_LICENSE_TEXT)
set(KEBO_LICENSE_TEXT " ${KEBO_LICENSE_TEXT}")

configure_file(${linux_resources}/kebo.desktop.in ${linux_generated}/${KEBO_APP_ID}.desktop @ONLY)
configure_file(${linux_resources}/kebo.metainfo.xml.in
               ${linux_generated}/${KEBO_APP_ID}.metainfo.xml @ONLY)
configure_file(${linux_resources}/copyright.in ${linux_generated}/copyright @ONLY)
# Manual pages and changelogs are kept compressed, without a time stamp in the gzip header.
foreach(page kebo.1 changelog)
    configure_file(${linux_resources}/${page}.in ${linux_generated}/${page} @ONLY)
    execute_process(COMMAND gzip -9 --no-name --stdout ${linux_generated}/${page}
        OUTPUT_FILE ${linux_generated}/${page}.gz COMMAND_ERROR_IS_FATAL ANY)
endforeach()

install(FILES ${linux_generated}/${KEBO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${linux_generated}/${KEBO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${linux_generated}/kebo.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${linux_generated}/copyright ${linux_generated}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The icons at the sizes tools/make-icon.py draws.
file(GLOB icons ${PROJECT_SOURCE_DIR}/resources/icons/kebo-*.png)
foreach(icon IN LISTS icons)
    string(REGEX MATCH "kebo-([0-9]+)\\.png$" _ ${icon})
    install(FILES ${icon} RENAME ${KEBO_APP_ID}.png DESTINATION
            ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${CMAKE_MATCH_1}x${CMAKE_MATCH_1}/apps)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/kebo.svg RENAME ${KEBO_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kebo)
set(CPACK_PACKAGE_VENDOR "The kebo authors")
set(CPACK_PACKAGE_CONTACT "${KEBO_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[
joke launcher that opens the text editor, after a while
kebo is a joke for Japanese-language desktops. Its one window grows onto the
screen from nothing and offers one button: open the text editor. A click plays
with you through a chain of questions and a slow progress bar, and only then
starts the editor, or a paint program if you say no at the end. Closing the
window is refused through a chain of questions that may end in a farewell.]])
# The libraries come from dpkg-shlibdeps (the program uses Qt's public API only, so any Qt 6
# release as new as the one it was built with will do); the window's text needs a Japanese font.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic | fonts-noto-cjk | fonts-vlgothic")
# Yes and No in the desktop's language, and the text editors kebo looks for, in its order.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, gnome-text-editor | gedit | kate \
| kwrite | mousepad | pluma | xed | featherpad | leafpad")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "kolourpaint | mtpaint")
# Reads the time stamps of the package's files from the commit when cpack runs.
configure_file(${PROJECT_SOURCE_DIR}/cmake/package-time.cmake.in
               ${PROJECT_BINARY_DIR}/package-time.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/package-time.cmake)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/package-staging.cmake)
include(CPack)
