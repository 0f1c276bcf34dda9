# The version strings a version script should yield, for the checks that
# read them back from a built or installed executable with morvane-verinfo.
#
#   morvane_version_strings(<out-var> <rc-file>)
#
# sets <out-var> to the values of the script's string table (each VALUE
# "Key", "Text") in the order the reader looks the keys up, "(unknown)" for
# an empty one, each followed by a newline: what morvane-verinfo prints. A
# key the script doesn't have yields nothing.
include_guard(GLOBAL)

function(morvane_version_strings out rc_file)
  file(STRINGS "${rc_file}" value_lines ENCODING UTF-8
       REGEX "^[ \t]*VALUE[ \t]+\"[A-Za-z]+\"[ \t]*,[ \t]*\"")
  # The reader's keys, in order: VersionKeys in version/GetFileVerInfo.h.
  file(READ "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../version/GetFileVerInfo.h" header)
  if(NOT header MATCHES "VersionKeys = {([^}]*)}")
    message(FATAL_ERROR "no VersionKeys table in version/GetFileVerInfo.h")
  endif()
  string(REGEX MATCHALL "\"[A-Za-z]+\"" reader_keys "${CMAKE_MATCH_1}")
  string(REPLACE "\"" "" reader_keys "${reader_keys}")
  set(want "")
  foreach(key IN LISTS reader_keys)
    string(TOLOWER "${key}" lkey)
    foreach(line IN LISTS value_lines)
      if(line MATCHES "^[ \t]*VALUE[ \t]+\"([A-Za-z]+)\"[ \t]*,[ \t]*\"(.*)\"[ \t]*$")
        set(text "${CMAKE_MATCH_2}")
        string(TOLOWER "${CMAKE_MATCH_1}" lname)
        if(lname STREQUAL lkey)
          if(text STREQUAL "")
            set(text "(unknown)")
          endif()
          string(APPEND want "${text}\n")
        endif()
      endif()
    endforeach()
  endforeach()
  set(${out} "${want}" PARENT_SCOPE)
endfunction()
