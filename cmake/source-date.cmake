# Sets source_date, the one date for all that the build stamps, and writes the man page with it.
#
# One date, so that one source always gives the same bytes: the man page's date, the Debian
# changelog's newest entry and the time of every file in the packages (CPack takes it from
# SOURCE_DATE_EPOCH). As Debian takes it from debian/changelog, it is midnight UTC of the
# newest version's date in CHANGELOG.md, so that a clone, a copy without git and a source
# archive of the same text agree, and a commit that leaves CHANGELOG.md alone changes nothing;
# a SOURCE_DATE_EPOCH already set comes first.
include(${CMAKE_CURRENT_LIST_DIR}/debian-changelog.cmake)
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(source_date $ENV{SOURCE_DATE_EPOCH})
else()
  changelog_newest_date(source_date ${CMAKE_CURRENT_SOURCE_DIR}/CHANGELOG.md)
endif()
# An edit of CHANGELOG.md configures again, so that the date and the Debian changelog follow it.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS CHANGELOG.md)
format_epoch(SORT_NUMBERS_DATE ${source_date} "%Y-%m-%d")
configure_file(doc/sort-numbers.1.in sort-numbers.1 @ONLY)
