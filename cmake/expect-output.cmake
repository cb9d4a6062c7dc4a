# A test's check, run as "cmake -D EXPECT=<regular expression> -P expect-output.cmake --
# <command> <argument>...": runs the command and shows what it wrote, then fails unless it
# exited with 0 and its output, standard error's too, matches EXPECT.
math(EXPR last "${CMAKE_ARGC} - 1")
set(command "")
set(after_separator FALSE)
foreach(i RANGE ${last})
  if(after_separator)
    list(APPEND command "${CMAKE_ARGV${i}}")
  elseif(CMAKE_ARGV${i} STREQUAL "--")
    set(after_separator TRUE)
  endif()
endforeach()
if(NOT command OR NOT DEFINED EXPECT)
  message(FATAL_ERROR "Usage: cmake -D EXPECT=<regular expression> -P ${CMAKE_SCRIPT_MODE_FILE} "
                      "-- <command> <argument>...")
endif()
execute_process(COMMAND ${command} RESULT_VARIABLE status OUTPUT_VARIABLE output
                ERROR_VARIABLE output)
message("${output}")
list(JOIN command " " shown)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${shown} exited with ${status}")
endif()
if(NOT output MATCHES "${EXPECT}")
  message(FATAL_ERROR "The output of ${shown} has no match for ${EXPECT}")
endif()
