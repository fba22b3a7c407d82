# Where `cmake --install` puts the program, and how CPack wraps the same files: a Debian package on
# Linux, with the desktop's files (menu entry, icons, file type, software-centre entry); an NSIS
# installer on Windows (WindowsInstaller.cmake), where the program carries its icon itself.
include(GNUInstallDirs)

set(ZEL_PACKAGING_DIR "${PROJECT_SOURCE_DIR}/packaging")

# On Windows the program shares one folder with its libraries, as Windows programs do.
if(WIN32)
    set(ZEL_INSTALL_BINDIR .)
    set(ZEL_INSTALL_DOCDIR doc)
else()
    set(ZEL_INSTALL_BINDIR ${CMAKE_INSTALL_BINDIR})
    set(ZEL_INSTALL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/${ZEL_PACKAGE_NAME})
endif()

install(TARGETS ${ZEL_EXECUTABLE_NAME}
        RUNTIME DESTINATION ${ZEL_INSTALL_BINDIR}
        BUNDLE DESTINATION .)
# The animal pictures compiled into the program are drawn from drawings whose licence travels with
# them.
install(FILES "${ZEL_PACKAGING_DIR}/copyright"
              "${PROJECT_SOURCE_DIR}/resources/LICENSE-noto-emoji.txt"
        DESTINATION ${ZEL_INSTALL_DOCDIR})

# What every package says of itself.
set(CPACK_PACKAGE_NAME "${ZEL_PACKAGE_NAME}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "${ZEL_MAKER}")
set(CPACK_PACKAGE_CONTACT "${ZEL_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${ZEL_DESCRIPTION}")
# Kept under 80 columns a line, as Debian's tools show it unwrapped.
set(CPACK_PACKAGE_DESCRIPTION
    "Zel Mayan Animal Sign tells you which of the thirteen Mayan animal moon
signs is yours from your name and birth date: the sign's Mayan name, its
animal with a picture, its crystal and what it says about your character.
The reading can be printed or saved to a file and opened again later.")

if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/WindowsInstaller.cmake)
    return()
endif()
# The rest is Linux's alone: the desktop's files and the Debian package.
if(APPLE)
    return()
endif()

configure_file("${ZEL_PACKAGING_DIR}/app.desktop.in"
               "${PROJECT_BINARY_DIR}/packaging/${ZEL_APP_ID}.desktop" @ONLY)
install(FILES "${PROJECT_BINARY_DIR}/packaging/${ZEL_APP_ID}.desktop"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# Every size comes from the same drawing, so menus and docks never show a blurred rescale.
foreach(size_and_file IN ITEMS "32:app.png" "48:app-48.png" "64:app-64.png" "256:app-256.png")
    string(REPLACE ":" ";" size_and_file "${size_and_file}")
    list(GET size_and_file 0 size)
    list(GET size_and_file 1 picture)
    install(FILES "${PROJECT_SOURCE_DIR}/resources/icon/${picture}"
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${ZEL_APP_ID}.png)
endforeach()

# The file type of saved readings, so that a file manager opens a .zod file with the program.
install(FILES "${ZEL_PACKAGING_DIR}/mime.xml"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${ZEL_APP_ID}.xml)

# The software-centre entry links to the same site the program opens, so it follows the build's
# site address.
configure_file("${ZEL_PACKAGING_DIR}/metainfo.xml.in"
               "${PROJECT_BINARY_DIR}/packaging/${ZEL_APP_ID}.metainfo.xml" @ONLY)
install(FILES "${PROJECT_BINARY_DIR}/packaging/${ZEL_APP_ID}.metainfo.xml"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# --- Debian package ------------------------------------------------------------------------------
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
# The package is rebuilt from the build tree whenever it is needed; debug symbols would only
# multiply its size.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ZEL_SITE_ADDRESS}")
# The Qt libraries are found from the program itself; what Qt loads at run time is not: the
# platform plugins that open a window, and the font the program asks for in place of Verdana.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core")
# On a Wayland desktop Qt draws natively with its Wayland plugin; without it Qt falls back to X11
# through Xwayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
