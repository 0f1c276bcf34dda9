# morvane_form_labels(<header> <ui file> <name> <context name> <buddy>...)
#
# Writes <header> with `inline constexpr std::array<const char*, N> <name>`:
# the texts of the labels that the window description <ui file> gives the
# buddies named, in that order, as the form holds them (XML entities
# decoded, access-key markers and all): the source texts of their
# translations, which the caption reader (common/Caption.h) turns into the
# labels shown. And `inline constexpr char <context name>[]`, the form's
# class: the catalogs' context of those translations. So morvane-calc writes
# the window's own labels, and a changed label in the form changes it at the
# next build. Fails the configuration when a buddy has no label.
function(morvane_form_labels header ui_file name context_name)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${ui_file}")
  file(READ "${ui_file}" form)
  if(NOT form MATCHES "<class>([^<]*)</class>")
    message(FATAL_ERROR "${ui_file}: the form names no class")
  endif()
  set(context "${CMAKE_MATCH_1}")
  set(space "[ \t\r\n]*")
  set(sources)
  foreach(buddy IN LISTS ARGN)
    if(NOT form MATCHES "<string[^>]*>([^<]*)</string>${space}</property>${space}<property name=\"buddy\">${space}<cstring>${buddy}</cstring>")
      message(FATAL_ERROR "${ui_file}: no label has the buddy ${buddy}")
    endif()
    # The text as the form holds it (XML entities decoded, "&amp;" last), as
    # C++ text.
    string(REPLACE "&lt;" "<" source "${CMAKE_MATCH_1}")
    string(REPLACE "&gt;" ">" source "${source}")
    string(REPLACE "&apos;" "'" source "${source}")
    string(REPLACE "\\" "\\\\" source "${source}")
    string(REPLACE "&quot;" "\\\"" source "${source}")
    string(REPLACE "&amp;" "&" source "${source}")
    list(APPEND sources "\"${source}\"")
  endforeach()
  list(LENGTH sources count)
  list(JOIN sources ", " joined)
  cmake_path(GET ui_file FILENAME ui_name)
  file(CONFIGURE OUTPUT "${header}" CONTENT
"// Generated from ${ui_name} by cli/FormLabels.cmake; do not edit.
#pragma once

#include <array>

inline constexpr std::array<const char*, ${count}> ${name} = {${joined}};
inline constexpr char ${context_name}[] = \"${context}\";
" @ONLY)
endfunction()
