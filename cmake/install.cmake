# What is installed: the program, its man page and changelog; for Windows, which has no man,
# the program, the README and CHANGELOG.md side by side.
include(GNUInstallDirs)
if(WIN32)
  install(TARGETS sort-numbers RUNTIME DESTINATION .)
  install(FILES README.md CHANGELOG.md DESTINATION .)
  return()
endif()
install(TARGETS sort-numbers)
# The changelog in the form that dpkg and lintian read from a native package.
write_debian_changelog(${CMAKE_CURRENT_SOURCE_DIR}/CHANGELOG.md
                       ${CMAKE_CURRENT_BINARY_DIR}/changelog ${PROJECT_NAME}
                       ${PROJECT_VERSION} "${SORT_NUMBERS_MAINTAINER}" ${source_date})
# man reads a page gzipped or not; Debian wants both gzipped at -9. -n leaves out name and time,
# so that the same text gives the same bytes.
find_program(GZIP_EXECUTABLE gzip)
mark_as_advanced(GZIP_EXECUTABLE)
if(GZIP_EXECUTABLE)
  set(man_page ${CMAKE_CURRENT_BINARY_DIR}/sort-numbers.1.gz)
  set(changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
  add_custom_command(
    OUTPUT ${man_page}
    COMMAND ${GZIP_EXECUTABLE} -9nfk sort-numbers.1
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/sort-numbers.1
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    COMMENT "Compressing the man page"
    VERBATIM)
  add_custom_command(
    OUTPUT ${changelog}
    COMMAND ${GZIP_EXECUTABLE} -9nfk changelog
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    COMMENT "Compressing the changelog"
    VERBATIM)
  add_custom_target(man-page ALL DEPENDS ${man_page} ${changelog})
else()
  set(man_page ${CMAKE_CURRENT_BINARY_DIR}/sort-numbers.1)
  set(changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog)
endif()
install(FILES ${man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${changelog} DESTINATION ${CMAKE_INSTALL_DOCDIR})
