# Run by CPack after building, so that a package has the same bytes whoever builds it: makes
# root the owner of a ZIP's entries, and writes a .tar.gz again with GNU tar as root's.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(package MATCHES "\\.zip$" AND CPACK_SORT_NUMBERS_PERL)
    execute_process(COMMAND ${CPACK_SORT_NUMBERS_PERL}
                            ${CMAKE_CURRENT_LIST_DIR}/zip-owned-by-root.pl ${package}
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()
  if(NOT package MATCHES "\\.tar\\.gz$")
    continue()
  endif()
  # Looked for here, so that only packaging needs them.
  foreach(tool tar gzip)
    find_program(${tool}_program ${tool} NO_CACHE)
    if(NOT ${tool}_program)
      message(FATAL_ERROR "${package} is written again with GNU tar and gzip, and no ${tool} was "
                          "found (Debian: sudo apt-get install -y ${tool})")
    endif()
  endforeach()
  set(unpacked ${package}.unpacked)
  file(REMOVE_RECURSE ${unpacked})
  file(MAKE_DIRECTORY ${unpacked})
  execute_process(COMMAND ${tar_program} -xpzf ${package} -C ${unpacked}
                  COMMAND_ERROR_IS_FATAL ANY)
  # The same entries, no more: CPack's archive has no entry of its own for the top folder.
  execute_process(COMMAND ${tar_program} -tzf ${package} OUTPUT_VARIABLE entries
                  COMMAND_ERROR_IS_FATAL ANY)
  string(REPLACE "\n" ";" entries "${entries}")
  list(REMOVE_ITEM entries "")
  list(SORT entries)
  list(JOIN entries "\n" entries)
  file(WRITE ${unpacked}.list "${entries}\n")
  # Without SOURCE_DATE_EPOCH, the entries keep the times that CPack gave them.
  set(mtime "")
  if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(mtime --mtime=@$ENV{SOURCE_DATE_EPOCH})
  endif()
  execute_process(
    COMMAND ${tar_program} --create --format=gnu --no-recursion --owner=root:0
            --group=root:0 ${mtime} --directory=${unpacked} --files-from=${unpacked}.list
    COMMAND ${gzip_program} -9n
    OUTPUT_FILE ${package}
    COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE ${unpacked} ${unpacked}.list)
endforeach()
