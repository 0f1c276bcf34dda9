# cmake -DSOURCE_DIR= -DCLANG_FORMAT= -P CheckFormat.cmake
#
# Fails when a C or C++ file that git tracks under SOURCE_DIR differs from
# what clang-format makes of it with the project's .clang-format, and names
# each such file. Outside a git checkout every source file below the
# project's own folders is checked instead.
cmake_minimum_required(VERSION 3.25)

find_program(GIT git)
if(GIT AND EXISTS "${SOURCE_DIR}/.git")
  execute_process(COMMAND "${GIT}" -C "${SOURCE_DIR}" ls-files -- *.c *.cpp *.h
                  OUTPUT_VARIABLE listed RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "git ls-files failed (${rc})")
  endif()
  string(REPLACE "\n" ";" files "${listed}")
else()
  file(GLOB_RECURSE files RELATIVE "${SOURCE_DIR}" LIST_DIRECTORIES false
       "${SOURCE_DIR}/*.c" "${SOURCE_DIR}/*.cpp" "${SOURCE_DIR}/*.h")
  list(FILTER files EXCLUDE REGEX "^build")
endif()
list(FILTER files EXCLUDE REGEX "^$")
list(LENGTH files count)
if(count EQUAL 0)
  message(FATAL_ERROR "no source files found under ${SOURCE_DIR}")
endif()

execute_process(COMMAND "${CLANG_FORMAT}" --dry-run -Werror ${files}
                WORKING_DIRECTORY "${SOURCE_DIR}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  string(REGEX MATCHALL "[^\n]+: error: code should be clang-formatted" drifted "${out}")
  list(TRANSFORM drifted REPLACE ":[0-9]+:[0-9]+: error: code should be clang-formatted" "")
  list(REMOVE_DUPLICATES drifted)
  list(JOIN drifted "\n  " names)
  message(FATAL_ERROR "these files differ from .clang-format (run clang-format -i on them):\n  ${names}")
endif()
message(STATUS "${count} files follow .clang-format")
