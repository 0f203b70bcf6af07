# What a teacher hands out: `cpack` makes a .tar.gz and a .deb from a Linux
# build and a .zip from a Windows one, each with the five programs, the README
# and CZYTAJ.txt, the text for learners.

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
