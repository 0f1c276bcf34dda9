# Runs one desktop-integration validator on one file and fails unless the
# tool exits with 0 and reports nothing: no error, warning, info or pedantic
# hint. Called by CTest as
#   cmake -DVALIDATOR=desktop|appstream -DTOOL=<program> -DFILE=<file> -P CheckValidator.cmake
#
# One appstreamcli hint is expected and let through: the pedantic
# "cid-contains-uppercase-letter" for the application id com.brelmont.Morvane,
# whose capital M follows the reverse-DNS naming the desktop entry, the icon
# and the metainfo file share. Any other hint fails the test.

foreach(var VALIDATOR TOOL FILE)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "CheckValidator.cmake needs -D${var}=")
  endif()
endforeach()
if(NOT EXISTS "${FILE}")
  message(FATAL_ERROR "No such file: ${FILE}")
endif()

if(VALIDATOR STREQUAL "desktop")
  set(command "${TOOL}" "${FILE}")
  set(issue_regex ".") # it prints nothing at all for a clean file
  set(allowed_regex "^$")
elseif(VALIDATOR STREQUAL "appstream")
  set(command "${TOOL}" validate --no-net --pedantic --no-color "${FILE}")
  set(issue_regex "^[EWIP]: ")
  set(allowed_regex "^P: com\\.brelmont\\.Morvane:[0-9]+: cid-contains-uppercase-letter com\\.brelmont\\.Morvane$")
else()
  message(FATAL_ERROR "Unknown VALIDATOR '${VALIDATOR}'")
endif()

execute_process(COMMAND ${command}
                RESULT_VARIABLE status
                OUTPUT_VARIABLE output
                ERROR_VARIABLE output)
message("${output}")

string(REPLACE "\n" ";" lines "${output}")
set(issues 0)
foreach(line IN LISTS lines)
  if(line MATCHES "${issue_regex}" AND NOT line MATCHES "${allowed_regex}")
    math(EXPR issues "${issues} + 1")
  endif()
endforeach()

if(NOT status EQUAL 0)
  message(FATAL_ERROR "${TOOL} failed on ${FILE} (exit status ${status})")
endif()
if(issues GREATER 0)
  message(FATAL_ERROR "${TOOL} printed ${issues} line(s) of complaints about ${FILE}")
endif()
message(STATUS "${FILE}: clean")
