# With SORT_NUMBERS_LINT, the build is also the static analysis: clang-tidy and cppcheck check
# each file as it is compiled, and any finding, or any change clang-format would make, fails it.
option(SORT_NUMBERS_LINT "Run clang-tidy, cppcheck and a clang-format check in the build" OFF)
if(NOT SORT_NUMBERS_LINT)
  return()
endif()
find_program(SORT_NUMBERS_CLANG_TIDY clang-tidy REQUIRED)
find_program(SORT_NUMBERS_CPPCHECK cppcheck REQUIRED)
find_program(SORT_NUMBERS_CLANG_FORMAT clang-format REQUIRED)
# clang-tidy's checks are in .clang-tidy. CMake shows its standard error (a count of the warnings
# hidden in system headers) only when it fails.
set(CMAKE_CXX_CLANG_TIDY ${SORT_NUMBERS_CLANG_TIDY} --quiet)
# cppcheck 2.17 (Debian 13), at its normal level, stops following a long function's branches (a
# test's table) and says so in a line that --error-exitcode counts; 2.10 (Debian 12) has no
# --check-level=exhaustive. Neither reports uninitMemberVarNoCtor, a member without an
# initializer in a struct without a constructor, which newer ones may: the tests' rows are built
# whole from braced lists, and the bytes of the reader's word_start are written before read.
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
