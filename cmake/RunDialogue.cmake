# Runs one dialogue case: PROGRAM reads CASE.in on standard input, and the run
# must match, byte for byte,
#   CASE.out     standard output;
#   CASE.err     standard error (must be empty when the file is absent);
#   CASE.status  the exit status (0 when the file is absent).
# CASE.ulimit, when present, holds an address-space limit in KiB for the run.
#
#   cmake -DPROGRAM=path/to/program -DCASE=path/to/case -P RunDialogue.cmake

foreach(var PROGRAM CASE)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "RunDialogue.cmake needs -D${var}=...")
  endif()
endforeach()

set(command "${PROGRAM}")
if(EXISTS "${CASE}.ulimit")
  file(STRINGS "${CASE}.ulimit" limit LIMIT_COUNT 1)
  set(command /bin/sh -c "ulimit -v ${limit} && exec \"$0\"" "${PROGRAM}")
endif()

execute_process(COMMAND ${command}
                INPUT_FILE "${CASE}.in"
                OUTPUT_VARIABLE actual_out
                ERROR_VARIABLE actual_err
                RESULT_VARIABLE actual_status)

file(READ "${CASE}.out" expected_out)
set(expected_err "")
if(EXISTS "${CASE}.err")
  file(READ "${CASE}.err" expected_err)
endif()
set(expected_status 0)
if(EXISTS "${CASE}.status")
  file(STRINGS "${CASE}.status" expected_status LIMIT_COUNT 1)
endif()

set(failures "")
if(NOT actual_status STREQUAL expected_status)
  string(APPEND failures "exit status: expected ${expected_status}, got ${actual_status}\n")
endif()
foreach(stream out err)
  if(NOT actual_${stream} STREQUAL expected_${stream})
    string(APPEND failures "standard ${stream}put differs\n--- expected\n${expected_${stream}}\n--- actual\n${actual_${stream}}\n---\n")
  endif()
endforeach()
if(failures)
  message(FATAL_ERROR "${CASE}:\n${failures}")
endif()
