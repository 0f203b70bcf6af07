# Runs one transcript case: cmake -DPROGRAM=exe -DCASE=dir/name -P RunTranscript.cmake
#   name.in   standard input
#   name.out  expected standard output, byte for byte
#   name.err  expected standard error (when absent: empty on status 0,
#             otherwise one line starting "Blad: ")
#   name.rc   expected exit status, needed only where it is not the usual
#             one: 1 with name.err, 0 without
# Optional: -DLAUNCHER=wine runs the program through it; -DCRLF=ON turns
# "\r\n" into "\n" in both outputs first (a Windows console program's text);
# -DINPUT=path reads standard input from there instead of name.in.
# Where /dev/full exists the case is run once more with standard output sent
# there: output that cannot be written must end in status 1 and one "Blad: "
# line (the read's own line, where the case expects a failed read).
# -DTYPED=ON: the launcher types the input (name.typed.in where it differs)
# as a person does (the page, with web/test/uruchom.mjs), so a refused answer
# is asked again: a case that ends at a refusal passes when the output and
# the "Blad: " line come as expected and then the question once more
# (typed_run_asked_again), or as a file's run ends. name.typed.out (.err,
# .rc) is a typed run's where it differs more. No run into /dev/full then.

# Today's policies: a quoted string is never taken for a variable's name.
cmake_minimum_required(VERSION 3.25)

if(NOT PROGRAM OR NOT CASE)
  message(FATAL_ERROR "usage: cmake -DPROGRAM=... -DCASE=... -P RunTranscript.cmake")
endif()
if(NOT TYPED AND NOT EXISTS "${PROGRAM}")
  message(FATAL_ERROR "no program ${PROGRAM}")
endif()

set(command ${PROGRAM})
if(LAUNCHER)
  set(command ${LAUNCHER} ${PROGRAM})
endif()
if(NOT INPUT)
  set(INPUT ${CASE}.in)
endif()
if(TYPED AND EXISTS ${CASE}.typed.in)
  set(INPUT ${CASE}.typed.in)
endif()
# typed_run_asked_again(var): var is true when the typed run went on where a
# file's run ends: the expected output and "Blad: " line, then the question
# asked again (its last line from the start of a prompt: the line's start, or
# after a blank, '=' or ':'), and nothing on standard error but more "Blad: "
# lines. The run's own status is its end's, whatever that is.
function(typed_run_asked_again var)
  set(${var} FALSE PARENT_SCOPE)
  file(READ ${CASE}.out expected_out)
  file(READ ${CASE}.err expected_err)
  string(LENGTH "${expected_out}" n)
  string(LENGTH "${expected_err}" m)
  string(LENGTH "${out}" n_out)
  string(LENGTH "${err}" m_err)
  if(n_out LESS n OR m_err LESS m)
    return()
  endif()
  string(SUBSTRING "${out}" 0 ${n} head)
  string(SUBSTRING "${out}" ${n} -1 rest)
  string(SUBSTRING "${err}" 0 ${m} err_head)
  string(SUBSTRING "${err}" ${m} -1 err_rest)
  if(NOT "${head}" STREQUAL "${expected_out}" OR NOT "${err_head}" STREQUAL "${expected_err}"
     OR NOT "${err_rest}" MATCHES "^(Blad: [^\n]*\n)*$")
    return()
  endif()
  string(REGEX MATCH "[^\n]*\n*$" question "${expected_out}")
  string(LENGTH "${question}" q)
  foreach(i RANGE ${q})
    string(SUBSTRING "${question}" ${i} -1 end)
    set(before " ")
    if(i GREATER 0)
      math(EXPR j "${i} - 1")
      string(SUBSTRING "${question}" ${j} 1 before)
    endif()
    string(FIND "${rest}" "${end}" at)
    if(at EQUAL 0 AND "${end}" MATCHES "^[^ \n]" AND "${before}" MATCHES "^[ =:]$")
      set(${var} TRUE PARENT_SCOPE)
      return()
    endif()
  endforeach()
endfunction()

# A page in a browser takes longer than a program alone.
set(limit 10)
if(TYPED)
  set(limit 50)
endif()

execute_process(COMMAND ${command}
                INPUT_FILE ${INPUT}
                OUTPUT_VARIABLE out
                ERROR_VARIABLE err
                RESULT_VARIABLE rc
                TIMEOUT ${limit})

if(CRLF)
  string(REPLACE "\r\n" "\n" out "${out}")
  string(REPLACE "\r\n" "\n" err "${err}")
endif()

if(TYPED)
  if(EXISTS ${CASE}.typed.out)
    set(CASE ${CASE}.typed)
  elseif(EXISTS ${CASE}.err AND rc MATCHES "^[01]$")
    typed_run_asked_again(asked)
    if(asked)
      return()
    endif()
  endif()
endif()

set(failures "")

file(READ ${CASE}.out expected_out)
if(NOT "${out}" STREQUAL "${expected_out}")
  string(APPEND failures "standard output differs\n--- expected ---\n${expected_out}\n--- actual ---\n${out}\n")
endif()

# Every failure the programs report is status 1, so a case that expects a
# message expects that status unless it says otherwise.
if(EXISTS ${CASE}.rc)
  file(STRINGS ${CASE}.rc expected_rc LIMIT_COUNT 1)
elseif(EXISTS ${CASE}.err)
  set(expected_rc 1)
else()
  set(expected_rc 0)
endif()
if(NOT "${rc}" STREQUAL "${expected_rc}")
  string(APPEND failures "exit status ${rc}, expected ${expected_rc}\n")
endif()

# check_err(err rc what): stderr as the case expects for exit status rc.
function(check_err err rc what)
  if(EXISTS ${CASE}.err AND (NOT rc EQUAL 0 OR EXISTS ${CASE}.rc))
    file(READ ${CASE}.err expected_err)
    if(NOT "${err}" STREQUAL "${expected_err}")
      set(failures "${failures}${what}: standard error differs\n--- expected ---\n${expected_err}\n--- actual ---\n${err}\n" PARENT_SCOPE)
    endif()
  elseif(rc EQUAL 0)
    if(NOT "${err}" STREQUAL "")
      set(failures "${failures}${what}: standard error not empty:\n${err}\n" PARENT_SCOPE)
    endif()
  else()
    string(REGEX MATCHALL "\n" newlines "${err}")
    list(LENGTH newlines lines)
    string(FIND "${err}" "Blad: " at)
    if(NOT at EQUAL 0 OR NOT lines EQUAL 1)
      set(failures "${failures}${what}: standard error is not one \"Blad: \" line:\n${err}\n" PARENT_SCOPE)
    endif()
  endif()
endfunction()

check_err("${err}" ${expected_rc} "run")

if(EXISTS /dev/full AND NOT TYPED)
  execute_process(COMMAND ${command}
                  INPUT_FILE ${INPUT}
                  OUTPUT_FILE /dev/full
                  ERROR_VARIABLE err
                  RESULT_VARIABLE rc
                  TIMEOUT 10)
  if(CRLF)
    string(REPLACE "\r\n" "\n" err "${err}")
  endif()
  if(NOT "${rc}" STREQUAL "1")
    string(APPEND failures "output to /dev/full: exit status ${rc}, expected 1\n")
  endif()
  check_err("${err}" 1 "output to /dev/full")
endif()

if(failures)
  message(FATAL_ERROR "${CASE}:\n${failures}")
endif()
