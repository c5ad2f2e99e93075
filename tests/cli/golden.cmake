# Runs a console script with --echo and compares what it prints with the expected file beside it.
string(REGEX REPLACE "\\.script$" ".out" EXPECTED "${SCRIPT}")
execute_process(COMMAND ${CLI} --echo ${SCRIPT} OUTPUT_VARIABLE actual RESULT_VARIABLE status)
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "output differs from ${EXPECTED}, it printed:\n${actual}")
endif()
# A script whose expected output holds an error must exit 1, any other 0.
string(FIND "${expected}" "\nerror\t" has_error)
if(has_error EQUAL -1 AND NOT status EQUAL 0 OR NOT has_error EQUAL -1 AND NOT status EQUAL 1)
  message(FATAL_ERROR "exit status ${status} does not fit the expected output")
endif()
