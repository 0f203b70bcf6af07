# Read by cpack once per generator. An archive holds the programs and the
# component "archiwum" (the texts and the web page at its top) in one folder;
# the .deb holds what `cmake --install` installs.
if(CPACK_GENERATOR MATCHES "^(TGZ|ZIP)$")
  set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
  set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
  set(CPACK_COMPONENTS_ALL Unspecified archiwum)
  set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
endif()
