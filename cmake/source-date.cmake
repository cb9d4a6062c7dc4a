# Sets source_date, the one date for all that the build stamps, and writes the man page with it.
#
# One date, so that one source always gives the same bytes: the man page's date, the Debian
# changelog's newest entry and the time of every file in the packages (CPack takes it from
# SOURCE_DATE_EPOCH). As Debian takes it from debian/changelog, it is midnight UTC of the
# newest version's date in CHANGELOG.md, so that a clone, a copy without git and a source
# archive of the same text agree, and a commit that leaves CHANGELOG.md alone changes nothing;
# a SOURCE_DATE_EPOCH already set comes first. source_date is in seconds since 1970, which GNU
# date counts; where there is neither, it is empty: the man page still has the heading's date,
# and the packages' files keep the times the build gave them.
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
