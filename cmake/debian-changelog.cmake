# Reads CHANGELOG.md and writes it as a Debian changelog, the form that dpkg and lintian
# expect in a native package's usr/share/doc/<package>/changelog.gz.
#
# CHANGELOG.md holds one section per version, newest first, each headed
# "## <version> - <YYYY-MM-DD>" and holding "- " items, whose continuation lines are indented.

# Sets <out> to the seconds from 1970-01-01 to midnight UTC of <date> (YYYY-MM-DD), counting
# days as Howard Hinnant's days_from_civil does, for years from 1970 on.
function(date_to_epoch out date)
  if(NOT date MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
    message(FATAL_ERROR "Not a date of the form YYYY-MM-DD: \"${date}\"")
  endif()
  set(year ${CMAKE_MATCH_1})
  set(month ${CMAKE_MATCH_2})
  set(day ${CMAKE_MATCH_3})
  # The year is taken to begin in March, so that February's length matters only at its end.
  if(month LESS_EQUAL 2)
    math(EXPR year "${year} - 1")
    math(EXPR month "${month} + 9")
  else()
    math(EXPR month "${month} - 3")
  endif()
  math(EXPR era "${year} / 400")
  math(EXPR year_of_era "${year} - ${era} * 400")
  math(EXPR day_of_year "(153 * ${month} + 2) / 5 + ${day} - 1")
  math(EXPR day_of_era
       "${year_of_era} * 365 + ${year_of_era} / 4 - ${year_of_era} / 100 + ${day_of_year}")
  math(EXPR seconds "(${era} * 146097 + ${day_of_era} - 719468) * 86400")
  set(${out} ${seconds} PARENT_SCOPE)
endfunction()

# Sets <out> to a time given in seconds since 1970, in UTC, in the <format> of
# string(TIMESTAMP), which formats SOURCE_DATE_EPOCH when it is set. The environment is left
# as it was found: an unset SOURCE_DATE_EPOCH stays unset, since an empty one is an error to
# the compilers that read it (Clang 19 and later).
function(format_epoch out seconds format)
  if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(saved "$ENV{SOURCE_DATE_EPOCH}")
  endif()
  set(ENV{SOURCE_DATE_EPOCH} ${seconds})
  string(TIMESTAMP text "${format}" UTC)
  if(DEFINED saved)
    set(ENV{SOURCE_DATE_EPOCH} "${saved}")
  else()
    unset(ENV{SOURCE_DATE_EPOCH})
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Sets <out> to a time given in seconds since 1970 as RFC 5322 wants it ("Tue, 08 Dec 2026
# 00:00:00 +0000").
function(format_rfc5322 out seconds)
  format_epoch(text ${seconds} "%a, %d %b %Y %H:%M:%S +0000")
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

# Sets <out> to the seconds since 1970 of the newest version's date in <changelog>.
function(changelog_newest_date out changelog)
  file(STRINGS ${changelog} newest REGEX "^## " LIMIT_COUNT 1)
  if(newest STREQUAL "")
    message(FATAL_ERROR "${changelog} has no section headed \"## <version> - <YYYY-MM-DD>\"")
  endif()
  read_heading(version date "${newest}" ${changelog})
  date_to_epoch(seconds ${date})
  set(${out} ${seconds} PARENT_SCOPE)
endfunction()

# Writes <output>, a Debian changelog of <package> made from <changelog>, one entry per version
# signed by <maintainer>. When <version> has no section yet, an entry for it at <date> (seconds
# since 1970) says so, so that the newest entry is always the package's own version.
function(write_debian_changelog changelog output package version maintainer date)
  # Line by line, not as a list, so that a ";" or "[" in the text is kept as it is.
  file(READ ${changelog} rest)
  set(text "")
  set(in_section FALSE)
  while(NOT rest STREQUAL "")
    string(FIND "${rest}" "\n" end)
    if(end EQUAL -1)
      set(line "${rest}")
      set(rest "")
    else()
      string(SUBSTRING "${rest}" 0 ${end} line)
      math(EXPR end "${end} + 1")
      string(SUBSTRING "${rest}" ${end} -1 rest)
    endif()
    if(line MATCHES "^## ")
      read_heading(entry_version entry_date "${line}" ${changelog})
      if(in_section)
        string(APPEND text "\n -- ${maintainer}  ${signed}\n\n")
      elseif(NOT entry_version STREQUAL version)
        format_rfc5322(signed ${date})
        string(APPEND text "${package} (${version}) unstable; urgency=medium\n\n"
               "  * No changes listed for this version yet.\n\n -- ${maintainer}  ${signed}\n\n")
      endif()
      set(in_section TRUE)
      date_to_epoch(seconds ${entry_date})
      format_rfc5322(signed ${seconds})
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
  # Written as it stands, and only when it changed, so that configuring again does not make
  # the build gzip it again.
  set(written "")
  if(EXISTS ${output})
    file(READ ${output} written)
  endif()
  if(NOT "${written}" STREQUAL "${text}")
    file(WRITE ${output} "${text}")
  endif()
endfunction()
