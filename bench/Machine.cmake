# The machine and the program a bench run measures, printed ahead of the figures:
#   cmake -DSOURCE=<source folder> [-DBEFORE=<commit>] -P bench/Machine.cmake
cmake_host_system_information(RESULT cores QUERY NUMBER_OF_LOGICAL_CORES)
cmake_host_system_information(RESULT processor QUERY PROCESSOR_DESCRIPTION)
cmake_host_system_information(RESULT memory QUERY TOTAL_PHYSICAL_MEMORY)
string(TIMESTAMP today "%Y-%m-%d")
execute_process(COMMAND git -C ${SOURCE} rev-parse --short HEAD OUTPUT_VARIABLE commit
                OUTPUT_STRIP_TRAILING_WHITESPACE)
if(BEFORE)
    string(APPEND commit "; before: ${BEFORE}")
endif()
message("Machine: ${cores} processors, ${processor}, ${memory} MiB memory; ${today}")
message("Program: ${commit}")
