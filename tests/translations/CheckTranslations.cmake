# cmake -DLUPDATE= -DSOURCES= -DOPTIONS= -DCATALOGS= -DWORK_DIR= -P CheckTranslations.cmake
#
# Fails while a catalog morvane_<language>.ts is not complete for the sources
# (SOURCES, OPTIONS and CATALOGS are lists with "|" between the items).
# lupdate brings a copy of each up to date, as update_translations would;
# the copy must hold no unfinished, vanished or obsolete entry and no empty
# translation or plural form (lupdate pads missing forms with empty ones),
# and lupdate must have cut no surplus plural forms. Every entry carries a
# comment for translators (a "//:" line before the text in C++, an
# extracomment in a window description) saying where the text appears and
# what it means. The catalog's language is the one its name says; the
# English one holds plural forms only.
cmake_minimum_required(VERSION 3.25)

foreach(list SOURCES OPTIONS CATALOGS)
  string(REPLACE "|" ";" ${list} "${${list}}")
endforeach()
file(MAKE_DIRECTORY "${WORK_DIR}")

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
  if(out MATCHES "Removed plural forms")
    string(APPEND faults "${name}.ts: more plural forms than ${language} has\n")
  endif()

  # One list item per message, the semicolons of the texts set aside.
  file(READ "${copy}" updated)
  string(REPLACE ";" "<semicolon>" messages "${updated}")
  string(REPLACE "</message>" ";" messages "${messages}")
  foreach(message IN LISTS messages)
    if(NOT message MATCHES "<source>([^<]*)</source>")
      continue()
    endif()
    string(REPLACE "<semicolon>" ";" source "${CMAKE_MATCH_1}")
    if(message MATCHES "type=\"unfinished\"")
      string(APPEND faults "${name}.ts: \"${source}\": untranslated or unfinished\n")
    elseif(message MATCHES "type=\"(vanished|obsolete)\"")
      string(APPEND faults "${name}.ts: \"${source}\": no longer in the sources\n")
    elseif(message MATCHES "<translation></translation>|<numerusform></numerusform>")
      string(APPEND faults "${name}.ts: \"${source}\": an empty translation or plural form\n")
    endif()
    if(NOT message MATCHES "<extracomment>[^<]")
      string(APPEND faults "${name}.ts: \"${source}\": no comment for translators\n")
    endif()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "Catalogs not complete (comment each text for translators, build the "
                      "update_translations target, translate, and build):\n${faults}")
endif()
