# Build helpers shared by every folder's CMakeLists.txt.

# add_program(name OPIS text STRONA text SOURCES ... LIBS ...): one of the
# programs, recorded in the global property PROGRAMY, in order, from which the
# page, the packages and the tests take the list. OPIS, a Polish ASCII
# sentence, describes it in its Windows Properties; STRONA, in Polish with
# Polish letters, on the page's list.
# For the web page the programs share one WebAssembly module instead: each
# becomes an object library whose main is renamed <name>_main, for web/ to
# start by name.
function(add_program name)
  cmake_parse_arguments(ARG "" "OPIS;STRONA" "SOURCES;LIBS" ${ARGN})
  set_property(GLOBAL APPEND PROPERTY PROGRAMY ${name})
  set_property(GLOBAL PROPERTY PROGRAMY_STRONA_${name} "${ARG_STRONA}")
  if(EMSCRIPTEN)
    add_library(${name} OBJECT ${ARG_SOURCES})
    target_compile_definitions(${name} PRIVATE main=${name}_main)
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  if(WIN32)
    # The version, product and description in the file's Properties.
    set(NAZWA ${name})
    set(OPIS ${ARG_OPIS})
    file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE PRAWA REGEX "^Copyright" LIMIT_COUNT 1)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/wersja.rc.in ${name}.rc @ONLY)
    target_sources(${name} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${name}.rc)
  endif()
  install(TARGETS ${name} RUNTIME DESTINATION bin)
endfunction()

# add_unit_test(name sources... LIBS ...): GoogleTest run by CTest, 60 s a test
# (ASan is slow); none where the tests run programs from elsewhere or the page.
function(add_unit_test name)
  if(NOT BUILD_TESTING OR PROGRAMS_DIR OR WEB_TEST_DIR)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                                           ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30 PROPERTIES TIMEOUT 60)
endfunction()

# The tests that run the programs carry the label "programs" and can run them
# from another folder, such as an unpacked package, with nothing built:
# PROGRAMS_DIR       the folder; empty: the programs this build makes
# PROGRAMS_SUFFIX    what their file names end in there, such as .exe
# PROGRAMS_LAUNCHER  what runs them, such as wine; the terminal tests are left
#                    out then, as the launcher's console stands between the
#                    program and the terminal script(1) makes
# PROGRAMS_CRLF      ON: CRLF in their output counts as LF (Windows text)

# With WEB_TEST_DIR naming a built page folder (the web-test preset) the same
# cases run in the page instead, and nothing else: the transcript runner with
# the page as the launcher, in each browser of WEB_BROWSERS, which web/test/
# starts once as a fixture for all of them.
set(WEB_TEST ${PROJECT_SOURCE_DIR}/web/test)
if(BUILD_TESTING AND WEB_TEST_DIR)
  find_program(NODE NAMES node nodejs REQUIRED)
  if(NOT EXISTS ${WEB_TEST}/node_modules/puppeteer-core)
    message(FATAL_ERROR "WEB_TEST_DIR needs the browser driver: npm ci --prefix ${WEB_TEST}")
  endif()
endif()

# web_test_properties(test browser): what every test in `browser` needs.
function(web_test_properties test browser)
  set_tests_properties(${test} PROPERTIES LABELS web TIMEOUT 120
                       FIXTURES_REQUIRED ${browser})
  # Firefox takes one connection at a time.
  if(browser STREQUAL "firefox")
    set_tests_properties(${test} PROPERTIES RESOURCE_LOCK firefox)
  endif()
endfunction()

# program_file(var program): the program file the tests run.
function(program_file var program)
  if(PROGRAMS_DIR)
    set(${var} ${PROGRAMS_DIR}/${program}${PROGRAMS_SUFFIX} PARENT_SCOPE)
  else()
    set(${var} $<TARGET_FILE:${program}> PARENT_SCOPE)
  endif()
endfunction()

# add_transcript_test(program name [INPUT file]): cases/name beside the calling
# CMakeLists.txt; see RunTranscript.cmake. INPUT replaces cases/name.in.
function(add_transcript_test program name)
  if(NOT BUILD_TESTING OR WEB_TEST_DIR)
    return()
  endif()
  cmake_parse_arguments(ARG "" "INPUT" "" ${ARGN})
  program_file(file ${program})
  set(input "")
  if(ARG_INPUT)
    set(input -DINPUT=${ARG_INPUT})
  endif()
  add_test(NAME ${program}.${name}
           COMMAND ${CMAKE_COMMAND} -DPROGRAM=${file}
                   "-DLAUNCHER=${PROGRAMS_LAUNCHER}" -DCRLF=${PROGRAMS_CRLF} ${input}
                   -DCASE=${CMAKE_CURRENT_SOURCE_DIR}/cases/${name}
                   -P ${PROJECT_SOURCE_DIR}/cmake/RunTranscript.cmake)
  # Each of the two runs has a limit of its own, which names the hung one.
  set_tests_properties(${program}.${name} PROPERTIES TIMEOUT 30 LABELS programs)
endfunction()

# add_transcript_tests(program): a test for every cases/NAME.in beside the
# calling CMakeLists.txt, and with WEB_TEST_DIR one more in the page for
# every case whose input a learner can type there: in chromium each such
# case, in the other browsers the first, as the page is the same there.
function(add_transcript_tests program)
  file(GLOB inputs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/cases/*.in)
  list(FILTER inputs EXCLUDE REGEX "\\.typed\\.in$")
  foreach(input IN LISTS inputs)
    get_filename_component(name ${input} NAME_WE)
    add_transcript_test(${program} ${name})
  endforeach()
  if(NOT BUILD_TESTING OR NOT WEB_TEST_DIR OR NOT inputs)
    return()
  endif()
  execute_process(COMMAND ${NODE} ${WEB_TEST}/uruchom.mjs --pisalne ${inputs}
                  OUTPUT_VARIABLE typeable COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX MATCHALL "[^\n]+" typeable "${typeable}")
  foreach(browser IN LISTS WEB_BROWSERS)
    set(cases ${typeable})
    if(NOT browser STREQUAL "chromium")
      list(SUBLIST typeable 0 1 cases)
    endif()
    foreach(input IN LISTS cases)
      get_filename_component(name ${input} NAME_WE)
      set(test web.${browser}.${program}.${name})
      add_test(NAME ${test}
               COMMAND ${CMAKE_COMMAND} -DPROGRAM=${WEB_TEST_DIR}/${program} -DTYPED=ON
                       "-DLAUNCHER=${NODE};${WEB_TEST}/uruchom.mjs;${CMAKE_BINARY_DIR}/${browser}.json"
                       -DCASE=${CMAKE_CURRENT_SOURCE_DIR}/cases/${name}
                       -P ${PROJECT_SOURCE_DIR}/cmake/RunTranscript.cmake)
      web_test_properties(${test} ${browser})
    endforeach()
  endforeach()
endfunction()

# add_terminal_test(name program INPUT file TERM name ESCAPES ON|OFF [SHOWS
# text] [STATUS n] [TYPED | PASTED] [REDIRECT text]): the program run on a
# terminal, where TYPED types INPUT and PASTED pastes it; see
# RunOnTerminal.cmake.
function(add_terminal_test name program)
  find_program(SCRIPT script)
  if(NOT BUILD_TESTING OR NOT SCRIPT OR PROGRAMS_LAUNCHER OR WEB_TEST_DIR)
    return()
  endif()
  cmake_parse_arguments(ARG "TYPED;PASTED" "INPUT;TERM;ESCAPES;SHOWS;STATUS;REDIRECT" "" ${ARGN})
  if(ARG_PASTED)
    set(ARG_TYPED PASTED)
  endif()
  program_file(file ${program})
  add_test(NAME ${program}.${name}
           COMMAND ${CMAKE_COMMAND} -DPROGRAM=${file}
                   -DINPUT=${ARG_INPUT} -DTERM=${ARG_TERM}
                   -DESCAPES=${ARG_ESCAPES} "-DSHOWS=${ARG_SHOWS}"
                   -DSTATUS=${ARG_STATUS} -DTYPED=${ARG_TYPED}
                   "-DREDIRECT=${ARG_REDIRECT}"
                   -P ${PROJECT_SOURCE_DIR}/cmake/RunOnTerminal.cmake)
  set_tests_properties(${program}.${name} PROPERTIES TIMEOUT 10 LABELS programs)
endfunction()
