# The Windows program's end-to-end checks, run by CTest as "cmake -P" with EMULATOR (Wine),
# PROGRAM (the .exe) and WORK_DIR: the sorted line ends in CRLF and the real "pause" runs twice
# after it; a bad count gets its message and exit status 1, and no heading after it.
separate_arguments(emulator UNIX_COMMAND "${EMULATOR}")
file(MAKE_DIRECTORY ${WORK_DIR})
set(failures 0)

# Runs the program with <input> as its standard input; sets out, err and status.
function(run input)
  file(WRITE ${WORK_DIR}/in "${input}")
  execute_process(COMMAND ${emulator} ${PROGRAM} INPUT_FILE ${WORK_DIR}/in
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
  set(status "${status}" PARENT_SCOPE)
endfunction()

# Counts a failure unless <condition> (the rest of the arguments) holds; what says what failed.
macro(expect what)
  if(NOT (${ARGN}))
    message(SEND_ERROR "${what}\n--- standard output:\n${out}\n--- standard error:\n${err}\n"
                         "--- exit status: ${status}")
    math(EXPR failures "${failures} + 1")
  endif()
endmacro()

run("5\r\n5 3 8 1 9\r\n")
expect("a sorted list exits 0" status STREQUAL "0")
string(FIND "${out}" "\n1 3 5 8 9 \r\n" sorted_line)
expect("the sorted line, ended with CRLF" NOT sorted_line EQUAL -1)
string(REGEX MATCHALL "Press any key to continue" pauses "${out}")
list(LENGTH pauses pause_count)
expect("two pauses, after the sorted line" pause_count EQUAL 2 AND
       out MATCHES "\n1 3 5 8 9 \r\n.*Press any key to continue.*Press any key to continue")

run("five\r\n")
expect("a bad count exits 1" status STREQUAL "1")
string(FIND "\n${err}"
       "\nError: the count must be a whole number from 0 to 2147483647, not \"five\".\r\n" message)
expect("the bad count's message, a line of its own" NOT message EQUAL -1)
string(FIND "${out}" "In sorted order" heading)
expect("no heading after an error" heading EQUAL -1)

if(failures)
  message(FATAL_ERROR "${failures} of the Windows program's checks failed")
endif()
message(STATUS "The Windows program: sorted with CRLF and two pauses; a bad count exits 1 with "
               "its message")
