# What is installed: the program, its man page and changelog; for Windows, which has no man,
# the program, the README and CHANGELOG.md side by side.
include(GNUInstallDirs)
if(WIN32)
  install(TARGETS sort-numbers RUNTIME DESTINATION .)
  install(FILES README.md CHANGELOG.md DESTINATION .)
  return()
endif()
install(TARGETS sort-numbers)
# Beside the program: the man page, and, where GNU date (on every Debian) can date its entries,
# the changelog in the form that dpkg and lintian read from a native package.
set(docs sort-numbers.1)
set(destinations ${CMAKE_INSTALL_MANDIR}/man1)
if(DATE_EXECUTABLE)
  write_debian_changelog(${CMAKE_CURRENT_SOURCE_DIR}/CHANGELOG.md
                         ${CMAKE_CURRENT_BINARY_DIR}/changelog ${PROJECT_NAME}
                         ${PROJECT_VERSION} "${SORT_NUMBERS_MAINTAINER}" @${source_date})
  list(APPEND docs changelog)
  list(APPEND destinations ${CMAKE_INSTALL_DOCDIR})
else()
  message(STATUS "No GNU date found: the Debian changelog is left out")
endif()
# man reads a page gzipped or not; Debian wants both gzipped at -9. -n leaves out name and time,
# so that the same text gives the same bytes.
find_program(GZIP_EXECUTABLE gzip)
mark_as_advanced(GZIP_EXECUTABLE)
set(gzipped "")
foreach(doc destination IN ZIP_LISTS docs destinations)
  if(GZIP_EXECUTABLE)
    add_custom_command(
      OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${doc}.gz
      COMMAND ${GZIP_EXECUTABLE} -9nfk ${doc}
      DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/${doc}
      WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
      COMMENT "Compressing ${doc}"
      VERBATIM)
    set(doc ${doc}.gz)
    list(APPEND gzipped ${CMAKE_CURRENT_BINARY_DIR}/${doc})
  endif()
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${doc} DESTINATION ${destination})
endforeach()
if(gzipped)
  add_custom_target(man-page ALL DEPENDS ${gzipped})
endif()
