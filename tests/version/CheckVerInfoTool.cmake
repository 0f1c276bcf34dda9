# cmake -DVERINFO= -DFIXTURES= -DWORK= -P CheckVerInfoTool.cmake
#
# Runs morvane-verinfo on files of each kind and checks its exit status, what
# it prints and its message. Every problem found is listed; the script fails
# if there is any.
cmake_minimum_required(VERSION 3.25)

set(problems "")

# check(<what> <status> <stdout> <stderr-regex> <argument>...)
function(check what status want_out want_err)
  execute_process(COMMAND "${VERINFO}" ${ARGN} TIMEOUT 20
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc STREQUAL status)
    string(APPEND problems "${what}: exit status ${rc}, expected ${status}\n")
  endif()
  if(NOT out STREQUAL want_out)
    string(APPEND problems "${what}: printed\n${out}expected\n${want_out}")
  endif()
  if(NOT err MATCHES "${want_err}")
    string(APPEND problems "${what}: unexpected message: ${err}\n")
  endif()
  set(problems "${problems}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND mkfifo "${WORK}/pipe" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "mkfifo failed")
endif()

# One value per line: control characters, the line and paragraph separators
# and the backslash are escaped.
string(CONCAT escaped
       "Two\\nlines\n"
       "next\\xc2\\x85line, line\\xe2\\x80\\xa8and paragraph\\xe2\\x80\\xa9separators\n"
       "CR\\r, tab\\t, backslash \\\\ and escape \\x1b[0m\n")
check("values with control characters" 0 "${escaped}" "^$" "${FIXTURES}/control_chars_pe64.dll")
check("a file without version information" 1 ""
      "^morvane-verinfo: [^\n]*/none_elf64.so: no version strings\n$"
      "${FIXTURES}/none_elf64.so")
check("a missing file" 2 ""
      "^morvane-verinfo: [^\n]*/missing: cannot read: No such file or directory\n$"
      "${WORK}/missing")
check("a directory" 2 "" "^morvane-verinfo: [^\n]*: cannot read: Is a directory\n$" "${WORK}")
check("a named pipe with no writer" 2 ""
      "^morvane-verinfo: [^\n]*/pipe: cannot read: not a regular file\n$" "${WORK}/pipe")
check("no file named" 3 "" "^usage: morvane-verinfo FILE")
check("two files named" 3 "" "^usage: morvane-verinfo FILE" a b)
execute_process(COMMAND id -u OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT uid STREQUAL "0") # root reads any file
  file(WRITE "${WORK}/unreadable" "x")
  file(CHMOD "${WORK}/unreadable" PERMISSIONS OWNER_WRITE)
  check("an unreadable file" 2 "" "cannot read: Permission denied\n$" "${WORK}/unreadable")
endif()
execute_process(COMMAND "${VERINFO}" --help RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out MATCHES "^usage: morvane-verinfo FILE.*Exit status")
  string(APPEND problems "--help: exit status ${rc}, printed\n${out}\n")
endif()

file(REMOVE_RECURSE "${WORK}")
if(NOT problems STREQUAL "")
  message(FATAL_ERROR "${problems}")
endif()
