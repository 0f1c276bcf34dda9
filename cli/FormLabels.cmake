# morvane_form_labels(<header> <ui file> <name> <source name> <buddy>...)
#
# Writes <header> with `inline constexpr std::array<const char*, N> <name>`:
# the texts of the labels that the window description <ui file> gives the
# buddies named, in that order, with XML entities decoded and access-key
# markers ("&") taken out; and the same array <source name> with the texts as
# the form holds them, markers and all: the source texts of their
# translations. So morvane-calc writes the window's own labels, and a
# changed label in the form changes it at the next build. Fails the
# configuration when a buddy has no label.
function(morvane_form_labels header ui_file name source_name)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${ui_file}")
  file(READ "${ui_file}" form)
  set(space "[ \t\r\n]*")
  set(texts)
  set(sources)
  foreach(buddy IN LISTS ARGN)
    if(NOT form MATCHES "<string[^>]*>([^<]*)</string>${space}</property>${space}<property name=\"buddy\">${space}<cstring>${buddy}</cstring>")
      message(FATAL_ERROR "${ui_file}: no label has the buddy ${buddy}")
    endif()
    set(text "${CMAKE_MATCH_1}")
    # The text as the form holds it (XML entities decoded, "&amp;" last).
    string(REPLACE "&lt;" "<" source "${text}")
    string(REPLACE "&gt;" ">" source "${source}")
    string(REPLACE "&apos;" "'" source "${source}")
    string(REPLACE "\\" "\\\\" source "${source}") # as C++ text
    string(REPLACE "&quot;" "\\\"" source "${source}")
    string(REPLACE "&amp;" "&" source "${source}")
    list(APPEND sources "\"${source}\"")
    string(REPLACE "&amp;&amp;" "%%amp%%" text "${text}") # "&&" stands for "&"
    string(REPLACE "&amp;" "" text "${text}")
    string(REPLACE "%%amp%%" "&" text "${text}")
    string(REPLACE "&lt;" "<" text "${text}")
    string(REPLACE "&gt;" ">" text "${text}")
    string(REPLACE "&apos;" "'" text "${text}")
    string(REPLACE "\\" "\\\\" text "${text}") # as C++ text
    string(REPLACE "&quot;" "\\\"" text "${text}")
    list(APPEND texts "\"${text}\"")
  endforeach()
  list(LENGTH texts count)
  list(JOIN texts ", " joined)
  list(JOIN sources ", " joined_sources)
  cmake_path(GET ui_file FILENAME ui_name)
  file(CONFIGURE OUTPUT "${header}" CONTENT
"// Generated from ${ui_name} by cli/FormLabels.cmake; do not edit.
#pragma once

#include <array>

inline constexpr std::array<const char*, ${count}> ${name} = {${joined}};
inline constexpr std::array<const char*, ${count}> ${source_name} = {${joined_sources}};
" @ONLY)
endfunction()
