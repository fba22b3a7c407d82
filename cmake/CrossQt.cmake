# The Qt that a cross build's script builds for the other platform: zel_cross_qt_prefix(VARIABLE
# BUILD KIND DESCRIPTION) leaves in VARIABLE (a cache path) the folder given as that variable, or as
# that variable of the environment, or by default
# ${XDG_CACHE_HOME:-$HOME/.cache}/zel-<BUILD>/qt-<ZEL_QT_VERSION>-<KIND>.
include(${CMAKE_CURRENT_LIST_DIR}/ProgramFacts.cmake)

function(zel_cross_qt_prefix variable build kind description)
    set(prefix "${${variable}}")
    if(NOT prefix)
        set(prefix "$ENV{${variable}}")
    endif()
    if(NOT prefix)
        set(cache "$ENV{XDG_CACHE_HOME}")
        if(NOT cache)
            set(cache "$ENV{HOME}/.cache")
        endif()
        set(prefix "${cache}/zel-${build}/qt-${ZEL_QT_VERSION}-${kind}")
    endif()
    set(${variable} "${prefix}" CACHE PATH "${description}")
    set(${variable} "${prefix}" PARENT_SCOPE)
endfunction()
