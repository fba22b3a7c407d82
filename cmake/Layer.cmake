# zel_add_layer(NAME SOURCES... LINKS target... HEADER core|widgets)
# A layer of the program: a static library whose includes are spelled from the repository root,
# with the given Qt and program libraries below it. Its sources parse one of two precompiled
# headers, each made once: the QtCore one of the lowest layer or the QtWidgets one of the widgets
# layer (a header made per layer would cost more than its few files save).
function(zel_add_layer name)
    cmake_parse_arguments(PARSE_ARGV 1 layer "" "HEADER" "SOURCES;LINKS")
    add_library(${name} STATIC ${layer_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${layer_LINKS})
    if(name STREQUAL "zelbase")
        target_precompile_headers(${name} PRIVATE <QList> <QObject> <QString>)
    elseif(name STREQUAL "zelwidgets")
        target_precompile_headers(${name} PRIVATE <QList> <QObject> <QString> <QWidget>)
    elseif(layer_HEADER STREQUAL "core")
        target_precompile_headers(${name} REUSE_FROM zelbase)
    elseif(layer_HEADER STREQUAL "widgets")
        target_precompile_headers(${name} REUSE_FROM zelwidgets)
    endif()
endfunction()
