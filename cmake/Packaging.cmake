# What a teacher hands out. `cpack` makes, from a Linux build, a .tar.gz or,
# with CPACK_GENERATOR=DEB (the deb preset), a .deb; from a Windows build a
# .zip. Each holds the programs, the texts for learners and teachers
# (CZYTAJ.txt; NAUCZYCIEL.txt, with the exercises' data, a key and practice
# tasks; ZMIANY.txt, what changed per version), the licence and, given a
# built page in WEB_DIR, the web page; each gets a SHA-256 file beside it.
#
# Where things go, preset by preset (build-<preset>/liczby-<version>-...):
#   package   .tar.gz for any x86-64 Linux: CZYTAJ.txt NAUCZYCIEL.txt
#             ZMIANY.txt LICENSE web/ at the top; bin/ with the programs
#             fully static (no C library version needed), share/man/man1/,
#             share/doc/liczby/README.md
#   package-aarch64  the same for any 64-bit ARM Linux (Raspberry Pi OS
#             64-bit, ARM Chromebooks), from g++-aarch64-linux-gnu
#   mingw-package  .zip for 64-bit Windows: the same texts in CRLF with a
#             byte-order mark, so every Notepad shows the Polish letters,
#             LICENSE.txt, web/, bin/ with .exe programs that need no DLL
#             beyond Windows' own and show the version in their Properties;
#             no .md file
#   deb       .deb (needs dpkg-dev): /usr/bin, linked against the system's
#             C++ library and hardened as Debian expects; /usr/share/man/man1;
#             /usr/share/liczby/web; in /usr/share/doc/liczby the texts,
#             README.md, copyright and changelog.gz made from ZMIANY.txt.
#             lintian finds no error or warning
#   web       the page alone (web/CMakeLists.txt), in one top folder
#   source    what `git ls-files` holds, nothing else
# With Visual Studio, STATIC_RUNTIME spares the Visual C++ redistributable.
# The texts at an archive's top form the component "archiwum", which
# `cmake --install` leaves out; it puts them in share/doc/liczby instead.

set(CPACK_PACKAGE_VENDOR "liczby")
set(CPACK_PACKAGE_CONTACT "liczby <liczby@example.org>")

include(GNUInstallDirs)
# The programs by name, as add_program recorded them: "a, b and c".
get_property(programy GLOBAL PROPERTY PROGRAMY)
list(POP_BACK programy ostatni)
list(JOIN programy ", " PROGRAMY_NAZWY)
string(APPEND PROGRAMY_NAZWY " and ${ostatni}")

set(texts CZYTAJ.txt NAUCZYCIEL.txt ZMIANY.txt)
set(doc ${PROJECT_BINARY_DIR}/doc)

if(WIN32)
  # Notepad on older Windows shows a text with bare "\n" as one long line,
  # and takes UTF-8 without a byte-order mark for the local code page.
  string(ASCII 239 187 191 bom)
  foreach(text IN LISTS texts ITEMS LICENSE)
    set(name ${text})
    if(text STREQUAL "LICENSE")
      set(name LICENSE.txt)
    endif()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
                 ${PROJECT_SOURCE_DIR}/${text})
    file(READ ${PROJECT_SOURCE_DIR}/${text} content)
    string(REPLACE "\n" "\r\n" content "${content}")
    file(WRITE ${doc}/${name} "${bom}${content}")
    install(FILES ${doc}/${name} DESTINATION . COMPONENT archiwum EXCLUDE_FROM_ALL)
    install(FILES ${doc}/${name} DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT dokumenty)
  endforeach()
  set(CPACK_GENERATOR ZIP)
else()
  list(TRANSFORM texts PREPEND ${PROJECT_SOURCE_DIR}/)
  install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
  install(FILES ${texts} ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION .
          COMPONENT archiwum EXCLUDE_FROM_ALL)
  install(FILES ${texts} DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT dokumenty)
  include(${CMAKE_CURRENT_LIST_DIR}/ManPages.cmake)
  if(CPACK_GENERATOR STREQUAL "DEB")
    include(${CMAKE_CURRENT_LIST_DIR}/Debian.cmake)
  else()
    install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR}
            COMPONENT dokumenty)
    set(CPACK_GENERATOR TGZ)
  endif()
endif()

if(WEB_DIR)
  if(NOT EXISTS ${WEB_DIR}/index.html)
    message(FATAL_ERROR "WEB_DIR=${WEB_DIR} holds no index.html")
  endif()
  install(DIRECTORY ${WEB_DIR}/ DESTINATION web COMPONENT archiwum EXCLUDE_FROM_ALL)
  install(DIRECTORY ${WEB_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/liczby/web
          COMPONENT strona)
else()
  message(STATUS "WEB_DIR not set: the packages hold no web page "
                 "(the release presets set it to build-web/web)")
endif()

# The archives are made of the programs and the texts at their top; the .deb
# of everything `cmake --install` installs.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/PackagingPerGenerator.cmake)

set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Console drills in Polish for positional number systems")
set(CPACK_PACKAGE_DESCRIPTION
    "${PROGRAMY_NAZWY}: small console programs for practising binary, octal, \
hexadecimal and any base from 2 to 16, and integer arithmetic; basecoach sets \
tasks, checks the answers and shows the working. They talk in Polish (plain \
ASCII) on standard input and output.")
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/README.md)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CHECKSUM SHA256)

# The source package holds what git holds: no build trees, packages or
# node_modules, whatever else lies in the source folder. CPack reads these
# patterns once more as CMake strings, so every backslash goes in twice.
string(REGEX REPLACE "([][+.*()^$?|\\\\])" "\\\\\\1" src "${PROJECT_SOURCE_DIR}")
set(ignore "^${src}/\\.git(/|$)" "^${src}/(build|check)[^/]*/" "/node_modules/"
           "^${src}/(crash|leak|timeout)-")
string(REPLACE "\\" "\\\\" CPACK_SOURCE_IGNORE_FILES "${ignore}")
set(CPACK_SOURCE_GENERATOR TGZ)

include(CPack)
