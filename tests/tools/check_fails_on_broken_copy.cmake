# cmake -DCHECKER=... -DLISTS=... -DWORK=... -P check_fails_on_broken_copy.cmake
# The checker, run on a copy of the stored lists from which one byte was cut, must fail.
file(REMOVE_RECURSE "${WORK}")
file(COPY "${LISTS}/" DESTINATION "${WORK}")
file(READ "${WORK}/05.txt" text)
string(LENGTH "${text}" n)
math(EXPR n "${n} - 1")
string(SUBSTRING "${text}" 0 ${n} text)
file(WRITE "${WORK}/05.txt" "${text}")
execute_process(COMMAND "${CHECKER}" "${WORK}" RESULT_VARIABLE status OUTPUT_QUIET)
if(status EQUAL 0)
  message(FATAL_ERROR "the checker accepted a list that lost a byte")
endif()
