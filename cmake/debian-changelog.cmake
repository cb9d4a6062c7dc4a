# Reads CHANGELOG.md and writes it as a Debian changelog, the form that dpkg and lintian
# expect in a native package's usr/share/doc/<package>/changelog.gz.
#
# CHANGELOG.md holds one section per version, newest first, each headed
# "## <version> - <YYYY-MM-DD>" and holding "- " items, whose continuation lines are indented.

# Keeps <ok> true only for a date program that reads -d and writes RFC 5322's form with -R, in
# English whatever the locale, as GNU's does; BSD's does neither.
function(date_reads_dates ok path)
  execute_process(COMMAND ${path} -u -R -d 1970-01-01 OUTPUT_VARIABLE text ERROR_QUIET)
  if(NOT text STREQUAL "Thu, 01 Jan 1970 00:00:00 +0000\n")
    set(${ok} FALSE PARENT_SCOPE)
  endif()
endfunction()
# GNU date turns a version's date into the Debian changelog's form and into seconds. Every
# Debian system has it (coreutils); without it, there is no Debian changelog to install.
find_program(DATE_EXECUTABLE date VALIDATOR date_reads_dates NO_CMAKE_FIND_ROOT_PATH)
mark_as_advanced(DATE_EXECUTABLE)

# Sets <out> to <date> (what GNU date's -d reads: "2026-12-08", "@<seconds since 1970>") in UTC,
# as date writes it with <option>: -R for RFC 5322's form, +%s for the seconds since 1970.
function(format_date out date option)
  execute_process(COMMAND ${DATE_EXECUTABLE} -u -d ${date} ${option} RESULT_VARIABLE status
                  OUTPUT_VARIABLE text OUTPUT_STRIP_TRAILING_WHITESPACE
                  ERROR_VARIABLE error ERROR_STRIP_TRAILING_WHITESPACE)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "Not a date: \"${date}\" (${error})")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Sets <version> and <date> from <line>, a heading of <changelog>.
function(read_heading version date line changelog)
  if(NOT line MATCHES "^## ([^ ]+) - ([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])$")
    message(FATAL_ERROR
            "${changelog}: the heading \"${line}\" is not \"## <version> - <YYYY-MM-DD>\"")
  endif()
  set(${version} ${CMAKE_MATCH_1} PARENT_SCOPE)
  set(${date} ${CMAKE_MATCH_2} PARENT_SCOPE)
endfunction()

# Sets <out> to the newest version's date in <changelog>, as YYYY-MM-DD.
function(changelog_newest_date out changelog)
  file(STRINGS ${changelog} newest REGEX "^## " LIMIT_COUNT 1)
  if(newest STREQUAL "")
    message(FATAL_ERROR "${changelog} has no section headed \"## <version> - <YYYY-MM-DD>\"")
  endif()
  read_heading(version date "${newest}" ${changelog})
  set(${out} ${date} PARENT_SCOPE)
endfunction()

# Writes <output>, a Debian changelog of <package> made from <changelog>, one entry per version
# signed by <maintainer>. When <version> has no section yet, an entry for it at <date> (what GNU
# date's -d reads) says so, so that the newest entry is always the package's own version.
function(write_debian_changelog changelog output package version maintainer date)
  # Line by line, not as a list, so that a ";" or "[" is kept. The newline added ends the last
  # line too; the empty line it may make is skipped.
  file(READ ${changelog} rest)
  string(APPEND rest "\n")
  set(text "")
  set(in_section FALSE)
  while(NOT rest STREQUAL "")
    string(FIND "${rest}" "\n" end)
    string(SUBSTRING "${rest}" 0 ${end} line)
    math(EXPR end "${end} + 1")
    string(SUBSTRING "${rest}" ${end} -1 rest)
    if(line MATCHES "^## ")
      read_heading(entry_version entry_date "${line}" ${changelog})
      if(in_section)
        string(APPEND text "\n -- ${maintainer}  ${signed}\n\n")
      elseif(NOT entry_version STREQUAL version)
        format_date(signed ${date} -R)
        string(APPEND text "${package} (${version}) unstable; urgency=medium\n\n"
               "  * No changes listed for this version yet.\n\n -- ${maintainer}  ${signed}\n\n")
      endif()
      set(in_section TRUE)
      format_date(signed ${entry_date} -R)
      string(APPEND text "${package} (${entry_version}) unstable; urgency=medium\n\n")
    elseif(in_section AND line MATCHES "^- (.*)")
      string(APPEND text "  * ${CMAKE_MATCH_1}\n")
    elseif(in_section AND line MATCHES "^ +(.*)")
      string(APPEND text "    ${CMAKE_MATCH_1}\n")
    elseif(in_section AND NOT line STREQUAL "")
      string(APPEND text "  ${line}\n")
    endif()
  endwhile()
  if(NOT in_section)
    message(FATAL_ERROR "${changelog} has no section headed \"## <version> - <YYYY-MM-DD>\"")
  endif()
  string(APPEND text "\n -- ${maintainer}  ${signed}\n")
  # Markdown's code quotes become plain double quotes.
  string(REPLACE "`" "\"" text "${text}")
  # Written only when it changed, so that configuring again does not gzip it again; "@text@"
  # puts the text in as it stands, expanding nothing in it.
  file(CONFIGURE OUTPUT ${output} CONTENT "@text@" @ONLY)
endfunction()
