# What the program needs beside it on a Windows machine without Qt, and the NSIS installer that
# puts it into Program Files: `cpack --preset windows` makes
# build-windows/package/<package name>-<version>-win64.exe (scripts/windows.sh installs, tries and
# removes it under Wine).

# Qt's libraries and the plugins the program loads: the Windows platform, Windows' own look, and
# JPEG for the animal pictures. Printing is part of Qt's print support library itself.
foreach(module Core Gui Widgets PrintSupport)
    install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION .)
endforeach()
foreach(plugin_and_kind IN ITEMS "QWindowsIntegrationPlugin:platforms"
                                 "QWindowsVistaStylePlugin:styles" "QJpegPlugin:imageformats")
    string(REPLACE ":" ";" plugin_and_kind "${plugin_and_kind}")
    list(GET plugin_and_kind 0 plugin)
    list(GET plugin_and_kind 1 kind)
    install(FILES $<TARGET_FILE:Qt6::${plugin}> DESTINATION plugins/${kind})
endforeach()

# The compiler's run-time libraries, which every MinGW program and Qt itself link.
foreach(runtime libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                    OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${runtime_path}")
        find_file(runtime_path ${runtime} PATHS /usr/${ZEL_MINGW_TRIPLE}/lib NO_CACHE
                  NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    endif()
    install(FILES "${runtime_path}" DESTINATION .)
    unset(runtime_path)
endforeach()

# The libraries come with their symbols, the MinGW run time with its debugging data too (its C++
# library alone is 24 MB so, 2 MB without); a stripped install, as the installer's is, leaves them
# out as it does from the program.
install(CODE "set(zel_strip \"${CMAKE_STRIP}\")")
install(CODE [[
    if(CMAKE_INSTALL_DO_STRIP)
        file(GLOB_RECURSE libraries "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/*.dll")
        foreach(library IN LISTS libraries)
            execute_process(COMMAND "${zel_strip}" --strip-unneeded "${library}"
                            COMMAND_ERROR_IS_FATAL ANY)
        endforeach()
    endif()
]])

# Qt's own texts (Yes, No, the file dialogs) in the program's languages; English needs none.
set(qt_translations "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}")
foreach(language IN LISTS ZEL_LANGUAGES)
    install(FILES "${qt_translations}/qtbase_${language}.qm" DESTINATION translations)
endforeach()
# Tells Qt where the plugins and translations above lie, relative to the program.
install(FILES "${ZEL_PACKAGING_DIR}/qt.conf" DESTINATION .)

# --- NSIS installer ------------------------------------------------------------------------------
set(CPACK_GENERATOR "NSIS")
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_PACKAGE_FILE_NAME "${ZEL_PACKAGE_NAME}-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "${ZEL_DISPLAY_NAME}")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "${ZEL_DISPLAY_NAME}")
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE "${ZEL_PACKAGING_DIR}/copyright")

set(CPACK_NSIS_DISPLAY_NAME "${ZEL_DISPLAY_NAME}")
set(CPACK_NSIS_PACKAGE_NAME "${ZEL_DISPLAY_NAME}")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON "${PROJECT_SOURCE_DIR}/resources/icon/app.ico")
set(CPACK_NSIS_MUI_UNIICON "${PROJECT_SOURCE_DIR}/resources/icon/app.ico")
set(CPACK_NSIS_INSTALLED_ICON_NAME "${ZEL_EXECUTABLE_NAME}.exe")
set(CPACK_NSIS_URL_INFO_ABOUT "${ZEL_SITE_ADDRESS}")
set(CPACK_NSIS_CONTACT "${CPACK_PACKAGE_CONTACT}")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# The Start-menu entry, from the program in the top folder.
set(CPACK_PACKAGE_EXECUTABLES "${ZEL_EXECUTABLE_NAME}" "${ZEL_DISPLAY_NAME}")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY ".")

# A saved reading opens in the program from Explorer: the .zod file type, with the program's
# icon and an open command that passes the file's path. The uninstaller takes .zod back only
# while it still names this program.
set(zod_class "${ZEL_EXECUTABLE_NAME}.Reading")
set(zod_command "\"$INSTDIR\\${ZEL_EXECUTABLE_NAME}.exe\" \"%1\"")
string(JOIN "\n" CPACK_NSIS_EXTRA_INSTALL_COMMANDS
    "WriteRegStr SHCTX 'Software\\Classes\\.zod' '' '${zod_class}'"
    "WriteRegStr SHCTX 'Software\\Classes\\${zod_class}' '' '${ZEL_DISPLAY_NAME} reading'"
    "WriteRegStr SHCTX 'Software\\Classes\\${zod_class}\\DefaultIcon' '' '$INSTDIR\\${ZEL_EXECUTABLE_NAME}.exe,0'"
    "WriteRegStr SHCTX 'Software\\Classes\\${zod_class}\\shell\\open\\command' '' '${zod_command}'"
    "System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'")
string(JOIN "\n" CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS
    "DeleteRegKey SHCTX 'Software\\Classes\\${zod_class}'"
    "ReadRegStr $0 SHCTX 'Software\\Classes\\.zod' ''"
    "StrCmp $0 '${zod_class}' 0 +3"
    "DeleteRegValue SHCTX 'Software\\Classes\\.zod' ''"
    "DeleteRegKey /ifempty SHCTX 'Software\\Classes\\.zod'"
    "System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'")

include(CPack)
