# Runs a program with standard output on a terminal that script(1) makes:
#   cmake -DPROGRAM=exe -DINPUT=file -DTERM=name -DESCAPES=ON|OFF
#         [-DSHOWS=text] [-DSTATUS=n] [-DTYPED=ON|PASTED] [-DREDIRECT=text]
#         -P RunOnTerminal.cmake
# Standard error is the same terminal; standard input is INPUT, or with TYPED
# the terminal, where wpisz.sh types INPUT as a person does (PASTED: all at
# once). REDIRECT follows the program, such as ">/dev/null". ESCAPES says
# whether an ESC byte may reach the terminal; SHOWS is a text the screen must
# show ("\n" a line end). The program must end with STATUS (0 if not given).

# The shell would only say "not found", which shows no ESC byte either.
if(NOT EXISTS "${PROGRAM}")
  message(FATAL_ERROR "no program ${PROGRAM}")
endif()
find_program(SCRIPT script REQUIRED)
set(command "'${PROGRAM}' < '${INPUT}' ${REDIRECT}")
set(typist "")
set(screen /dev/null)
if(TYPED)
  set(command "'${PROGRAM}' ${REDIRECT}")
  string(RANDOM LENGTH 12 id)
  set(screen ${CMAKE_CURRENT_BINARY_DIR}/screen-${id})
  set(typist COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/wpisz.sh ${INPUT} ${screen})
endif()
if(TYPED STREQUAL "PASTED")
  set(typist COMMAND ${CMAKE_COMMAND} -E cat ${INPUT})
endif()
execute_process(${typist}
                COMMAND ${CMAKE_COMMAND} -E env TERM=${TERM}
                        ${SCRIPT} -qfec "${command}" ${screen}
                INPUT_FILE /dev/null
                OUTPUT_VARIABLE out
                RESULT_VARIABLE rc
                TIMEOUT 10)
if(TYPED)
  file(REMOVE ${screen})
endif()

if(NOT STATUS)
  set(STATUS 0)
endif()
if(NOT rc EQUAL STATUS)
  message(FATAL_ERROR "exit status ${rc} on the terminal (TERM=${TERM}):\n${out}")
endif()

string(ASCII 27 esc)
string(FIND "${out}" "${esc}" at)
if(ESCAPES AND at EQUAL -1)
  message(FATAL_ERROR "no ESC byte reached the terminal (TERM=${TERM}):\n${out}")
elseif(NOT ESCAPES AND NOT at EQUAL -1)
  message(FATAL_ERROR "an ESC byte reached the terminal (TERM=${TERM}):\n${out}")
endif()
if(SHOWS)
  string(REPLACE "\r\n" "\n" out "${out}")
  string(REPLACE "\\n" "\n" SHOWS "${SHOWS}")
  string(FIND "${out}" "${SHOWS}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the terminal does not show \"${SHOWS}\":\n${out}")
  endif()
endif()
