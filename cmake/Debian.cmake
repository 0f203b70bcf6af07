# The .deb as Debian wants it: the copyright file in Debian's machine-readable
# format, made from LICENSE, and changelog.gz in Debian's format, made from
# ZMIANY.txt, both in /usr/share/doc/liczby.

foreach(source LICENSE ZMIANY.txt)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
               ${PROJECT_SOURCE_DIR}/${source})
endforeach()

# A continuation line of a field: one leading blank, and "." for an empty one.
function(debian_field_text var text)
  string(REGEX REPLACE "\n\n" "\n.\n" text "${text}")
  string(REGEX REPLACE "\n\n" "\n.\n" text "${text}")
  string(REGEX REPLACE "\n" "\n " text "${text}")
  set(${var} " ${text}" PARENT_SCOPE)
endfunction()

file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)\n\n(.*[^\n])" _ "${licence}")
debian_field_text(terms "${CMAKE_MATCH_2}")
file(WRITE ${doc}/copyright
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: ${PROJECT_NAME}

Files: *
Copyright: ${CMAKE_MATCH_1}
License: Expat
${terms}
")

# ZMIANY.txt: "Wersja X (YYYY-MM-DD)", newest first, a line of dashes, then
# entries "- ..." whose further lines start with two blanks. Debian wants each
# entry newer than the next, so versions of one day keep their order by the
# hour: the newest at 12:00, each older one an hour earlier.
# ZMIANY.txt has Polish letters, which file(STRINGS) would take for binary.
file(STRINGS ${PROJECT_SOURCE_DIR}/ZMIANY.txt lines ENCODING UTF-8)
set(changelog "")
set(trailer "")
set(earlier 0)
foreach(line IN LISTS lines)
  if(line MATCHES "^Wersja ([^ ]+) \\(([0-9-]+)\\)$")
    # GNU date, which every Debian has, names the weekday, and goes back to the
    # day before once the hours run out.
    execute_process(COMMAND date -u -R -d "${CMAKE_MATCH_2} 12:00 UTC ${earlier} hours ago"
                    OUTPUT_VARIABLE date OUTPUT_STRIP_TRAILING_WHITESPACE
                    COMMAND_ERROR_IS_FATAL ANY)
    math(EXPR earlier "${earlier} + 1")
    string(APPEND changelog "${trailer}${PROJECT_NAME} (${CMAKE_MATCH_1}) unstable; urgency=medium\n\n")
    set(trailer "\n -- ${CPACK_PACKAGE_CONTACT}  ${date}\n\n")
  elseif(trailer AND line MATCHES "^- (.*)")
    string(APPEND changelog "  * ${CMAKE_MATCH_1}\n")
  elseif(trailer AND line MATCHES "^  (.*)")
    string(APPEND changelog "    ${CMAKE_MATCH_1}\n")
  endif()
endforeach()
string(APPEND changelog "${trailer}")
string(STRIP "${changelog}" changelog)
file(WRITE ${doc}/changelog "${changelog}\n")
execute_process(COMMAND gzip -9n -c INPUT_FILE ${doc}/changelog
                OUTPUT_FILE ${doc}/changelog.gz COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${doc}/copyright ${doc}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Debian names what the programs link against: the C and C++ libraries.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# CPack puts CPACK_PACKAGE_DESCRIPTION_SUMMARY before it, as the synopsis.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"${PROGRAMY_NAZWY}:
small console programs for practising binary, octal, hexadecimal and
any base from 2 to 16, and integer arithmetic; basecoach sets tasks,
checks the answers and shows the working. They talk in Polish (plain
ASCII).")
