# cmake -DLUPDATE= -DSOURCES= -DOPTIONS= -DCATALOGS= -DWORK_DIR= -P CheckTranslations.cmake
#
# Fails while a catalog (morvane_<language>.ts; SOURCES, OPTIONS and
# CATALOGS are lists with "|" between their items) is not complete for the
# sources: lupdate brings a copy of each up to date as update_translations
# would, and the copy must then hold no unfinished, vanished or obsolete
# entry and no empty translation, and the same number of plural forms as the
# catalog (lupdate pads or cuts them to the count the catalog's language
# has). The catalog's language must be the one its name says; the English
# catalog holds plural forms only. Each fault names its catalog and source
# text.
cmake_minimum_required(VERSION 3.25)

foreach(list SOURCES OPTIONS CATALOGS)
  string(REPLACE "|" ";" ${list} "${${list}}")
endforeach()
list(LENGTH CATALOGS count)
if(count LESS 2)
  message(FATAL_ERROR "no catalogs to check: '${CATALOGS}'")
endif()
file(MAKE_DIRECTORY "${WORK_DIR}")

# The number of times Text holds Part.
function(count_of Text Part Out)
  string(REPLACE "${Part}" "" Rest "${Text}")
  string(LENGTH "${Text}" All)
  string(LENGTH "${Rest}" Left)
  string(LENGTH "${Part}" One)
  math(EXPR N "(${All} - ${Left}) / ${One}")
  set(${Out} ${N} PARENT_SCOPE)
endfunction()

set(faults "")
foreach(catalog IN LISTS CATALOGS)
  get_filename_component(name "${catalog}" NAME_WE)
  string(REGEX REPLACE "^morvane_" "" language "${name}")
  file(READ "${catalog}" committed)
  if(NOT committed MATCHES "<TS version=\"[^\"]*\" language=\"${language}\"")
    string(APPEND faults "${name}.ts: its language is not ${language}\n")
  endif()

  set(copy "${WORK_DIR}/${name}.ts")
  file(WRITE "${copy}" "${committed}")
  set(plural_only "")
  if(language STREQUAL "en")
    set(plural_only -pluralonly)
  endif()
  execute_process(COMMAND "${LUPDATE}" ${OPTIONS} ${plural_only} ${SOURCES} -ts "${copy}"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${name}.ts (${rc}):\n${out}")
  endif()
  file(READ "${copy}" updated)

  # One list item per message (semicolons in the texts set aside first).
  string(REPLACE ";" "<semicolon>" messages "${updated}")
  string(REPLACE "</message>" ";" messages "${messages}")
  foreach(message IN LISTS messages)
    if(NOT message MATCHES "<source>([^<]*)</source>")
      continue()
    endif()
    string(REPLACE "<semicolon>" ";" source "${CMAKE_MATCH_1}")
    set(what "")
    if(message MATCHES "type=\"unfinished\"")
      set(what "untranslated or unfinished")
    elseif(message MATCHES "type=\"(vanished|obsolete)\"")
      set(what "no longer in the sources (${CMAKE_MATCH_1})")
    elseif(message MATCHES "<translation></translation>|<numerusform></numerusform>")
      set(what "an empty translation or plural form")
    endif()
    if(what)
      string(APPEND faults "${name}.ts: \"${source}\": ${what}\n")
    endif()
  endforeach()

  count_of("${committed}" "<numerusform>" before)
  count_of("${updated}" "<numerusform>" after)
  if(NOT before EQUAL after)
    string(APPEND faults
           "${name}.ts: ${before} plural forms where ${language} needs ${after}\n")
  endif()
endforeach()

if(faults)
  message(FATAL_ERROR "Catalogs not complete (build the update_translations target, "
                      "translate, and build):\n${faults}")
endif()
message(STATUS "${count} catalogs complete")
