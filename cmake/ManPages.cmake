# The manual pages, man/<program>.1, installed gzipped (gzip -9n, as Debian
# wants them: no name or time stamp inside) in share/man/man1.
file(GLOB pages CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/man/*.1)
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/man)
foreach(page IN LISTS pages)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${page})
  get_filename_component(name ${page} NAME)
  execute_process(COMMAND gzip -9n -c INPUT_FILE ${page}
                  OUTPUT_FILE ${PROJECT_BINARY_DIR}/man/${name}.gz
                  COMMAND_ERROR_IS_FATAL ANY)
  install(FILES ${PROJECT_BINARY_DIR}/man/${name}.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
