# The Windows program's end-to-end checks, run as "cmake -P" with EMULATOR (Wine), PROGRAM
# (the .exe) and WORK_DIR: CRLF line ends, the real "pause" twice, a bad count's message.
separate_arguments(emulator UNIX_COMMAND "${EMULATOR}")
file(MAKE_DIRECTORY ${WORK_DIR})
set(failures 0)

# Sets <out> to <file>'s bytes in hex, each followed by a space, and a space first, so that no
# match spans two bytes (file(READ) as text drops each CR).
function(file_bytes out file)
  file(READ ${file} hex HEX)
  string(REGEX REPLACE "(..)" "\\1 " hex "${hex}")
  set(${out} " ${hex}" PARENT_SCOPE)
endfunction()

# Sets <out> to the bytes of <text>, as file_bytes gives them.
function(text_bytes out text)
  file(WRITE ${WORK_DIR}/text "${text}")
  file_bytes(bytes ${WORK_DIR}/text)
  set(${out} "${bytes}" PARENT_SCOPE)
endfunction()

# Runs the program on <input>; sets out and err to the bytes it wrote to each, and status.
function(run input)
  file(WRITE ${WORK_DIR}/in "${input}")
  execute_process(COMMAND ${emulator} ${PROGRAM} INPUT_FILE ${WORK_DIR}/in
                  OUTPUT_FILE ${WORK_DIR}/out ERROR_FILE ${WORK_DIR}/err RESULT_VARIABLE status)
  file_bytes(out ${WORK_DIR}/out)
  file_bytes(err ${WORK_DIR}/err)
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
  set(status "${status}" PARENT_SCOPE)
endfunction()

# Counts a failure, named <what>, unless the condition in the other arguments holds.
macro(expect what)
  if(NOT (${ARGN}))
    file(READ ${WORK_DIR}/out shown_out)
    file(READ ${WORK_DIR}/err shown_err)
    message(SEND_ERROR "${what}\n--- standard output (bytes: ${out}):\n${shown_out}\n"
                       "--- standard error:\n${shown_err}\n--- exit status: ${status}")
    math(EXPR failures "${failures} + 1")
  endif()
endmacro()

text_bytes(sorted_line "\n1 3 5 8 9 \r\n")
text_bytes(pause "Press any key to continue")
text_bytes(heading "In sorted order")
text_bytes(bad_count
           "\nError: the count must be a whole number from 0 to 2147483647, not \"five\".\r\n")

run("5\r\n5 3 8 1 9\r\n")
expect("a sorted list exits 0" status STREQUAL "0")
string(FIND "${out}" "${sorted_line}" sorted_at)
expect("the sorted line, ended with CRLF" NOT sorted_at EQUAL -1)
string(REGEX MATCHALL "${pause}" pauses "${out}")
list(LENGTH pauses pause_count)
string(FIND "${out}" "${pause}" first_pause_at)
expect("two pauses, after the sorted line" pause_count EQUAL 2 AND first_pause_at GREATER sorted_at)

run("five\r\n")
expect("a bad count exits 1" status STREQUAL "1")
string(FIND " 0a${err}" "${bad_count}" message_at)
expect("the bad count's message, a line of its own" NOT message_at EQUAL -1)
string(FIND "${out}" "${heading}" heading_at)
expect("no heading after an error" heading_at EQUAL -1)

if(failures)
  message(FATAL_ERROR "${failures} of the Windows program's checks failed")
endif()
message(STATUS "The Windows program: sorted with CRLF and two pauses; a bad count exits 1 with "
               "its message")
