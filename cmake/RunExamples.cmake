# Shows each program at work on its example input in examples/: the input,
# then everything the program prints.
#
#   cmake -DPROGRAMS="path/eigpair;path/quadpanel;..." -DEXAMPLES=dir -P RunExamples.cmake

foreach(program IN LISTS PROGRAMS)
  cmake_path(GET program FILENAME name)
  set(input "${EXAMPLES}/${name}.in")
  file(READ "${input}" typed)
  execute_process(COMMAND "${program}" INPUT_FILE "${input}"
                  OUTPUT_VARIABLE printed RESULT_VARIABLE status)
  message("==== ${name} < examples/${name}.in\n${typed}---- prints\n${printed}\n---- exit status ${status}\n")
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${name} failed on its example")
  endif()
endforeach()
