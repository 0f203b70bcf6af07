# Build helpers shared by every folder's CMakeLists.txt.

option(STATIC_RUNTIME "Link the C++ runtime into the programs" ON)

# add_program(name SOURCES ... LIBS ...): one of the installed console programs.
function(add_program name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  if(STATIC_RUNTIME AND NOT MSVC)
    if(WIN32)
      # MinGW's posix thread model also needs libwinpthread, so link it all.
      target_link_options(${name} PRIVATE -static)
    else()
      target_link_options(${name} PRIVATE -static-libstdc++ -static-libgcc)
    endif()
  endif()
  install(TARGETS ${name} RUNTIME DESTINATION bin)
endfunction()

# add_unit_test(name sources... LIBS ...): a GoogleTest binary run by CTest.
function(add_unit_test name)
  if(NOT BUILD_TESTING)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                                           ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30 PROPERTIES TIMEOUT 30)
endfunction()

# add_transcript_tests(program): every cases/NAME.in beside the calling
# CMakeLists.txt is fed to the program and its output compared byte for byte
# with NAME.out (and NAME.rc, NAME.err where present).
function(add_transcript_tests program)
  if(NOT BUILD_TESTING)
    return()
  endif()
  file(GLOB inputs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/cases/*.in)
  foreach(input IN LISTS inputs)
    get_filename_component(case ${input} NAME_WE)
    get_filename_component(dir ${input} DIRECTORY)
    add_test(NAME ${program}.${case}
             COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${program}>
                     -DCASE=${dir}/${case} -P ${PROJECT_SOURCE_DIR}/cmake/RunTranscript.cmake)
    set_tests_properties(${program}.${case} PROPERTIES TIMEOUT 10)
  endforeach()
endfunction()

# add_terminal_test(name program INPUT file TERM name ESCAPES ON|OFF [SHOWS
# text]): the program run on a terminal; see RunOnTerminal.cmake.
function(add_terminal_test name program)
  find_program(SCRIPT script)
  if(NOT BUILD_TESTING OR NOT SCRIPT)
    return()
  endif()
  cmake_parse_arguments(ARG "" "INPUT;TERM;ESCAPES;SHOWS" "" ${ARGN})
  add_test(NAME ${program}.${name}
           COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${program}>
                   -DINPUT=${ARG_INPUT} -DTERM=${ARG_TERM}
                   -DESCAPES=${ARG_ESCAPES} "-DSHOWS=${ARG_SHOWS}"
                   -P ${PROJECT_SOURCE_DIR}/cmake/RunOnTerminal.cmake)
  set_tests_properties(${program}.${name} PROPERTIES TIMEOUT 10)
endfunction()
