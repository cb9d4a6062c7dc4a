# Sets source_date, the one date that the build stamps (see doc/development.md, Packages), and
# writes the man page with it: SOURCE_DATE_EPOCH if set, else midnight UTC of CHANGELOG.md's
# newest date, in seconds since 1970; empty where neither is set nor GNU date counts it.
include(${CMAKE_CURRENT_LIST_DIR}/debian-changelog.cmake)
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(source_date $ENV{SOURCE_DATE_EPOCH})
  # string(TIMESTAMP) gives the time of SOURCE_DATE_EPOCH when it is set.
  string(TIMESTAMP SORT_NUMBERS_DATE "%Y-%m-%d" UTC)
else()
  changelog_newest_date(SORT_NUMBERS_DATE ${CMAKE_CURRENT_SOURCE_DIR}/CHANGELOG.md)
  set(source_date "")
  if(DATE_EXECUTABLE)
    format_date(source_date ${SORT_NUMBERS_DATE} +%s)
  endif()
endif()
# An edit of CHANGELOG.md configures again, so that the date and the Debian changelog follow it.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS CHANGELOG.md)
configure_file(doc/sort-numbers.1.in sort-numbers.1 @ONLY)
