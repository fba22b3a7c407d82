# cmake -DLUPDATE=lupdate -DSOURCE_LIST=file -DTS_FILES="a.ts|b.ts" -DWORK_DIR=dir -DSTAMP=file
#       -P CheckTranslations.cmake
# Runs lupdate over the sources named in SOURCE_LIST (one a line) into a copy of each .ts file and
# fails, naming every text concerned, when a copy holds a message that is not translated (new in
# the sources, or never finished) or one whose text has vanished from the sources. The .ts files
# themselves are left as they are; STAMP is written when every one passes.
file(REMOVE ${STAMP})
file(MAKE_DIRECTORY ${WORK_DIR})
string(REPLACE "|" ";" ts_files "${TS_FILES}")

set(problems "")
foreach(ts IN LISTS ts_files)
    cmake_path(GET ts FILENAME name)
    set(copy ${WORK_DIR}/${name})
    file(COPY_FILE ${ts} ${copy})
    execute_process(
        COMMAND ${LUPDATE} -silent -locations none @${SOURCE_LIST} -ts ${copy}
        RESULT_VARIABLE status
        OUTPUT_VARIABLE output
        ERROR_VARIABLE output)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${name}:\n${output}")
    endif()
    # Silent, lupdate speaks only of a text it could not place rightly (a tr() in a class without
    # Q_OBJECT, an include it could not follow): such a text may never be translated.
    string(STRIP "${output}" output)
    if(output)
        string(REPLACE "\n" "\n    " output "${output}")
        list(APPEND problems "${name}: lupdate: ${output}")
    endif()

    file(READ ${copy} text)
    # One list item a message; a semicolon of the texts must not split them.
    string(REPLACE ";" "\\;" text "${text}")
    string(REPLACE "</message>" ";" messages "${text}")
    set(context "")
    foreach(message IN LISTS messages)
        if(message MATCHES "<name>([^<]*)</name>")
            set(context "${CMAKE_MATCH_1}")
        endif()
        set(state "")
        if(message MATCHES "<translation type=\"(unfinished|vanished|obsolete)\"")
            set(state "${CMAKE_MATCH_1}")
        elseif(message MATCHES "<translation></translation>")
            set(state "empty")
        endif()
        if(state AND message MATCHES "<source>([^<]*)</source>")
            string(REPLACE "\n" "\\n" source "${CMAKE_MATCH_1}")
            list(APPEND problems "${name}: ${context}: ${state}: \"${source}\"")
        endif()
    endforeach()
endforeach()

if(problems)
    list(JOIN problems "\n  " listed)
    message(FATAL_ERROR
        "The translations do not match the sources:\n  ${listed}\n"
        "Build the update_translations target, translate what is unfinished and delete what has "
        "vanished from translations/*.ts.")
endif()
file(TOUCH ${STAMP})
