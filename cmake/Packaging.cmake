# What a teacher hands out: `cpack` makes a .tar.gz and a .deb from a Linux
# build and a .zip from a Windows one, each with the five programs, the README
# and CZYTAJ.txt, the text for learners, and, given a built page in WEB_DIR,
# the web page: web/ in the archives, /usr/share/liczby/web in the .deb.

set(texts README.md CZYTAJ.txt)
if(WIN32)
  # Notepad on older Windows shows a text with bare "\n" as one long line.
  foreach(text IN LISTS texts)
    configure_file(${PROJECT_SOURCE_DIR}/${text} ${PROJECT_BINARY_DIR}/doc/${text}
                   @ONLY NEWLINE_STYLE CRLF)
    install(FILES ${PROJECT_BINARY_DIR}/doc/${text} DESTINATION .)
  endforeach()
  set(CPACK_GENERATOR ZIP)
else()
  include(GNUInstallDirs)
  list(TRANSFORM texts PREPEND ${PROJECT_SOURCE_DIR}/)
  install(FILES ${texts} DESTINATION ${CMAKE_INSTALL_DOCDIR})
  set(CPACK_GENERATOR TGZ DEB)
endif()

if(WEB_DIR)
  if(NOT EXISTS ${WEB_DIR}/index.html)
    message(FATAL_ERROR "WEB_DIR=${WEB_DIR} holds no index.html")
  endif()
  if(WIN32)
    install(DIRECTORY ${WEB_DIR}/ DESTINATION web)
  else()
    install(DIRECTORY ${WEB_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/liczby/web
            COMPONENT strona)
    # The .tar.gz has it at its top instead; cmake --install leaves it out.
    install(DIRECTORY ${WEB_DIR}/ DESTINATION web COMPONENT archiwum EXCLUDE_FROM_ALL)
    set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/PackagingPerGenerator.cmake)
  endif()
else()
  message(STATUS "WEB_DIR not set: the packages hold no web page "
                 "(cmake --workflow --preset web, then -DWEB_DIR=<build-web/web>)")
endif()

set(CPACK_PACKAGE_VENDOR "liczby")
set(CPACK_PACKAGE_CONTACT "liczby <liczby@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Five console drills in Polish for positional number systems")
set(CPACK_PACKAGE_DESCRIPTION
    "basequiz, basetour, bitstep, radixval and pairops: small console programs \
for practising binary, octal, hexadecimal and any base from 2 to 16, and \
integer arithmetic. They talk in Polish (plain ASCII) on standard input and \
output.")
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/README.md)
set(CPACK_STRIP_FILES ON)
# The runtime is linked in, so the package asks only for what the system has:
# dpkg-shlibdeps names the C library version the programs need.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)

include(CPack)
