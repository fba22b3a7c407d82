# zel_add_layer(NAME [QOBJECTS] SOURCES... LINKS target... [PRECOMPILE header...]
#               [HEADER_FROM target])
# A layer of the program: a static library whose includes are spelled from the repository root,
# with the given Qt and program libraries below it. A layer that holds QObject classes or .ui
# forms says QOBJECTS, and moc and uic run for it. Its sources parse a precompiled header: one it
# makes (PRECOMPILE) or, so that each header is made once, that of a layer below (HEADER_FROM); a
# header made per layer would cost more than the few files of a layer save.
function(zel_add_layer name)
    cmake_parse_arguments(PARSE_ARGV 1 layer "QOBJECTS" "HEADER_FROM" "SOURCES;LINKS;PRECOMPILE")
    add_library(${name} STATIC ${layer_SOURCES})
    if(layer_QOBJECTS)
        set_target_properties(${name} PROPERTIES AUTOMOC ON AUTOUIC ON)
    endif()
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${layer_LINKS})
    if(layer_PRECOMPILE)
        target_precompile_headers(${name} PRIVATE ${layer_PRECOMPILE})
    elseif(layer_HEADER_FROM)
        target_precompile_headers(${name} REUSE_FROM ${layer_HEADER_FROM})
    endif()
endfunction()
