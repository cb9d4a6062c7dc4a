# Sets source_date, the one date for all that the build stamps, and writes the man page with it.
#
# One date, so that one commit always gives the same bytes: the man page's date and the time of
# every file in the packages (CPack takes it from SOURCE_DATE_EPOCH). It is the time of the last
# commit, or without git (a source archive) the date of the newest version in CHANGELOG.md; a
# SOURCE_DATE_EPOCH already set comes first.
include(${CMAKE_CURRENT_LIST_DIR}/debian-changelog.cmake)
set(source_date "")
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(source_date $ENV{SOURCE_DATE_EPOCH})
else()
  find_package(Git QUIET)
  if(GIT_FOUND)
    execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --show-toplevel --git-path logs/HEAD
                    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR} RESULT_VARIABLE git_status
                    OUTPUT_VARIABLE git_paths OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  endif()
  # Only this tree's own repository counts, not one that an unpacked archive happens to lie in.
  if(GIT_FOUND AND git_status EQUAL 0)
    string(REPLACE "\n" ";" git_paths "${git_paths}")
    list(GET git_paths 0 git_top)
    list(GET git_paths 1 git_log)
    file(REAL_PATH ${git_top} git_top)
    file(REAL_PATH ${CMAKE_SOURCE_DIR} source_top)
    if(git_top STREQUAL source_top)
      execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
                      WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
                      OUTPUT_VARIABLE source_date OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
      # A new commit or checkout configures again, so that the date follows it.
      file(REAL_PATH ${git_log} git_log BASE_DIRECTORY ${CMAKE_SOURCE_DIR})
      if(EXISTS ${git_log})
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${git_log})
      endif()
    endif()
  endif()
  if(NOT source_date)
    changelog_newest_date(source_date ${CMAKE_CURRENT_SOURCE_DIR}/CHANGELOG.md)
  endif()
endif()
format_epoch(SORT_NUMBERS_DATE ${source_date} "%Y-%m-%d")
configure_file(doc/sort-numbers.1.in sort-numbers.1 @ONLY)
