# Runs one transcript case: cmake -DPROGRAM=exe -DCASE=dir/name -P RunTranscript.cmake
#   name.in   standard input
#   name.out  expected standard output, byte for byte
#   name.rc   expected exit status (0 when absent)
#   name.err  expected standard error (when absent: empty on status 0,
#             otherwise one line starting "Blad: ")
# Optional: -DLAUNCHER=wine runs the program through it; -DCRLF=ON turns
# "\r\n" into "\n" in both outputs first (a Windows console program's text).

if(NOT PROGRAM OR NOT CASE)
  message(FATAL_ERROR "usage: cmake -DPROGRAM=... -DCASE=... -P RunTranscript.cmake")
endif()

set(command ${PROGRAM})
if(LAUNCHER)
  set(command ${LAUNCHER} ${PROGRAM})
endif()

execute_process(COMMAND ${command}
                INPUT_FILE ${CASE}.in
                OUTPUT_VARIABLE out
                ERROR_VARIABLE err
                RESULT_VARIABLE rc
                TIMEOUT 10)

if(CRLF)
  string(REPLACE "\r\n" "\n" out "${out}")
  string(REPLACE "\r\n" "\n" err "${err}")
endif()

set(failures "")

file(READ ${CASE}.out expected_out)
if(NOT "${out}" STREQUAL "${expected_out}")
  string(APPEND failures "standard output differs\n--- expected ---\n${expected_out}\n--- actual ---\n${out}\n")
endif()

set(expected_rc 0)
if(EXISTS ${CASE}.rc)
  file(STRINGS ${CASE}.rc expected_rc LIMIT_COUNT 1)
endif()
if(NOT "${rc}" STREQUAL "${expected_rc}")
  string(APPEND failures "exit status ${rc}, expected ${expected_rc}\n")
endif()

if(EXISTS ${CASE}.err)
  file(READ ${CASE}.err expected_err)
  if(NOT "${err}" STREQUAL "${expected_err}")
    string(APPEND failures "standard error differs\n--- expected ---\n${expected_err}\n--- actual ---\n${err}\n")
  endif()
elseif(expected_rc EQUAL 0)
  if(NOT "${err}" STREQUAL "")
    string(APPEND failures "standard error not empty:\n${err}\n")
  endif()
else()
  string(REGEX MATCHALL "\n" newlines "${err}")
  list(LENGTH newlines lines)
  string(FIND "${err}" "Blad: " at)
  if(NOT at EQUAL 0 OR NOT lines EQUAL 1)
    string(APPEND failures "standard error is not one \"Blad: \" line:\n${err}\n")
  endif()
endif()

if(failures)
  message(FATAL_ERROR "${CASE}:\n${failures}")
endif()
