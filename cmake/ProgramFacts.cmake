# The program's facts, each written once. The build, the code (through the generated
# BuildConfig.h), the packages, the desktop's files and the tests read them from here; a script
# asks for them with `cmake -P cmake/ProgramFacts.cmake`, which prints them as shell assignments.
set(ZEL_VERSION 1.05)
set(ZEL_DISPLAY_NAME "Zel Mayan Animal Sign")
set(ZEL_DESCRIPTION "Find your Mayan animal moon sign from your name and birth date")
set(ZEL_MAKER "Velmora Softwares")
set(ZEL_CONTACT "Velmora Softwares <support@velmora.example>")
set(ZEL_LICENCE "LicenseRef-proprietary")
set(ZEL_EXECUTABLE_NAME "ZelFreeMayanAnimalSign")
set(ZEL_PACKAGE_NAME "zel-mayan-animal-sign")
# One reverse-DNS name ties the launcher, the icon, the file type, the software-centre entry and
# the running windows together; desktops match them by this name alone.
set(ZEL_APP_ID "example.velmora.ZelMayanAnimalSign")
# The languages the program speaks besides English: translations/zel_<language>.ts each.
set(ZEL_LANGUAGES de es fr pt_BR)
# The Qt that the Windows and web builds build for themselves, from Debian's source of the
# system's own Qt.
set(ZEL_QT_VERSION 6.4.2)
set(ZEL_DEFAULT_SITE_ADDRESS "http://www.velmora.example")

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    foreach(fact VERSION DISPLAY_NAME EXECUTABLE_NAME PACKAGE_NAME APP_ID QT_VERSION LANGUAGES)
        string(REPLACE ";" " " value "${ZEL_${fact}}")
        message("zel_${fact}='${value}'")
    endforeach()
endif()
