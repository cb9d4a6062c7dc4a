# The packages that CPack builds: a .deb and a .tar.gz on Linux, a ZIP for Windows, each with
# the same bytes whoever builds them, wherever, from the same commit.
set(CPACK_PACKAGE_CONTACT ${SORT_NUMBERS_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sort whole numbers typed at the console")
set(CPACK_PACKAGE_DESCRIPTION
    "sort-numbers asks how many numbers there are, reads that many signed 32-bit
integers from standard input, and prints them in ascending order on one line.")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)
if(WIN32)
  set(CPACK_GENERATOR ZIP)
else()
  set(CPACK_GENERATOR DEB TGZ)
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The files have the source date, and modes that do not depend on the builder's umask. Without
# a source date (no GNU date), they keep the times the build gave them.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
if(source_date)
  file(CONFIGURE OUTPUT CPackProjectConfig.cmake CONTENT [[
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} @source_date@)
endif()
]] @ONLY)
  set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/CPackProjectConfig.cmake)
endif()
# CPack makes the builder the owner of the .tar.gz's and the ZIP's entries, not the .deb's;
# archives-owned-by-root.cmake makes root their owner, the ZIP's only where there is Perl.
if(WIN32)
  find_program(SORT_NUMBERS_PERL perl)
  mark_as_advanced(SORT_NUMBERS_PERL)
  set(CPACK_SORT_NUMBERS_PERL ${SORT_NUMBERS_PERL})
endif()
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/archives-owned-by-root.cmake)
include(CPack)
