# cmake -DVERINFO= -DVERSION_RC= [-DFILE=] [-DEMULATOR=] [-DWINDOWS=ON] -P CheckVerInfo.cmake
#
# Runs morvane-verinfo on FILE, by default its own file (through EMULATOR, a
# list, when set), and checks that it prints the strings the version script
# VERSION_RC writes, in the reader's key order. A Windows build reads through the
# system's functions, whose text is in the ANSI code page (1252): there the
# expected Latin-1 characters are taken to that code page first.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/VersionStrings.cmake)

morvane_version_strings(want "${VERSION_RC}")
if(want STREQUAL "")
  message(FATAL_ERROR "no version strings found in ${VERSION_RC}")
endif()

if(NOT FILE)
  set(FILE "${VERINFO}")
endif()
execute_process(COMMAND ${EMULATOR} "${VERINFO}" "${FILE}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE got ERROR_VARIABLE err)
if(WINDOWS)
  # Code page 1252 holds U+00A0 to U+00FF as single bytes of the same value;
  # the C runtime writes line ends as CR LF.
  foreach(code RANGE 160 255)
    if(code LESS 192)
      string(ASCII 194 ${code} utf8)
    else()
      math(EXPR low "${code} - 64")
      string(ASCII 195 ${low} utf8)
    endif()
    string(ASCII ${code} ansi)
    string(REPLACE "${utf8}" "${ansi}" want "${want}")
  endforeach()
  string(REPLACE "\r\n" "\n" got "${got}")
endif()

if(NOT rc EQUAL 0)
  message(FATAL_ERROR "morvane-verinfo failed (${rc}): ${err}")
elseif(NOT got STREQUAL want)
  message(FATAL_ERROR "morvane-verinfo read:\n${got}expected:\n${want}")
endif()
string(REGEX MATCHALL "\n" lines "${got}")
list(LENGTH lines n)
message(STATUS "morvane-verinfo read its ${n} strings")
