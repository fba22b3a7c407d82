# zel_add_layer(NAME SOURCES... LINKS target... PRECOMPILE header...)
# A layer of the program: a static library whose includes are spelled from the repository root,
# with the given Qt and program libraries below it and a precompiled header of the Qt classes
# its files use most.
function(zel_add_layer name)
    cmake_parse_arguments(PARSE_ARGV 1 layer "" "" "SOURCES;LINKS;PRECOMPILE")
    add_library(${name} STATIC ${layer_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${layer_LINKS})
    if(layer_PRECOMPILE)
        target_precompile_headers(${name} PRIVATE ${layer_PRECOMPILE})
    endif()
endfunction()
