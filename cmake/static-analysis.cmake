# With SORT_NUMBERS_LINT, the build is also the static analysis: clang-tidy and cppcheck look at
# each source file as it is compiled, and a build step fails on any file that clang-format would
# change. A finding of either analyser, or a change that clang-format would make, fails the build.
option(SORT_NUMBERS_LINT "Run clang-tidy, cppcheck and a clang-format check in the build" OFF)
if(NOT SORT_NUMBERS_LINT)
  return()
endif()
find_program(SORT_NUMBERS_CLANG_TIDY clang-tidy REQUIRED)
find_program(SORT_NUMBERS_CPPCHECK cppcheck REQUIRED)
find_program(SORT_NUMBERS_CLANG_FORMAT clang-format REQUIRED)
# clang-tidy takes its checks from .clang-tidy. CMake shows what it says on standard error (such
# as its count of the warnings it found in system headers and did not show, "112150 warnings
# generated.") only when it fails.
set(CMAKE_CXX_CLANG_TIDY ${SORT_NUMBERS_CLANG_TIDY} --quiet)
# cppcheck 2.11 and later stop following the branches of a long function (a test's table) at
# their normal level and say so in an "information" line that --error-exitcode counts as a
# finding; it is not one, and 2.10 has no --check-level=exhaustive to follow them all.
# cppcheck 2.22 wants an initializer on each member of a struct without a constructor; here
# such structs are the tests' (their tables, a run's outcome), each built whole from a braced list.
set(CMAKE_CXX_CPPCHECK ${SORT_NUMBERS_CPPCHECK} --quiet --error-exitcode=1 --inline-suppr
    --std=c++20 --library=googletest --enable=warning,style,performance,portability
    --suppress=normalCheckLevelMaxBranches --suppress=uninitMemberVarNoCtor)

file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/*.cpp ${CMAKE_SOURCE_DIR}/src/*.hpp
     ${CMAKE_SOURCE_DIR}/tests/*.cpp ${CMAKE_SOURCE_DIR}/bench/*.cpp
     ${CMAKE_SOURCE_DIR}/fuzz/*.cpp)
set(format_stamp ${CMAKE_CURRENT_BINARY_DIR}/clang-format.stamp)
add_custom_command(OUTPUT ${format_stamp}
                   COMMAND ${SORT_NUMBERS_CLANG_FORMAT} --dry-run --Werror ${sources}
                   COMMAND ${CMAKE_COMMAND} -E touch ${format_stamp}
                   DEPENDS ${sources} ${CMAKE_SOURCE_DIR}/.clang-format
                   COMMENT "Checking the layout of the sources with clang-format"
                   VERBATIM)
add_custom_target(clang-format-check ALL DEPENDS ${format_stamp})
