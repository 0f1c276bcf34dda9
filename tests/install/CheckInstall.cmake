# cmake -DBUILD_DIR= -DPREFIX= -DVERINFO= -DVERSION_RC= -DICON_SIZES=16,32,...
#       -DREADELF= -DDESKTOP_FILE_VALIDATE= -DLIBDIR= -P CheckInstall.cmake
#
# Installs BUILD_DIR into PREFIX (emptied first) with --strip, then checks:
#   - each file the desktop and the shells expect is there, under the
#     GNUInstallDirs paths (the completions where Debian's bash, zsh and fish
#     look for them);
#   - bin/morvane was stripped (no .symtab) and still has its .vsinfo section;
#   - the version strings read back from bin/morvane are the ones the version
#     script VERSION_RC writes, in the reader's key order;
#   - desktop-file-validate accepts the installed desktop entry;
#   - the installed morvane-calc finds its locale module (LIBDIR/morvane),
#     so that a German session gets the German phrase.
# Every problem found is listed; the script fails if there is any.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/VersionStrings.cmake)

set(problems)
macro(problem text)
  list(APPEND problems "${text}")
endmacro()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(
  COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}" --strip
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}")
endif()

# The files, relative to the prefix.
set(app com.brelmont.Morvane)
set(expected
  bin/morvane
  bin/morvane-calc
  ${LIBDIR}/morvane/morvane-calc-locale.so
  ${LIBDIR}/morvane/morvane-calc-ical.so
  share/man/man1/morvane.1.gz
  share/man/man1/morvane-calc.1.gz
  share/bash-completion/completions/morvane-calc
  share/zsh/vendor-completions/_morvane-calc
  share/fish/vendor_completions.d/morvane-calc.fish
  share/applications/${app}.desktop
  share/metainfo/${app}.metainfo.xml
  share/icons/hicolor/scalable/apps/${app}.svg
  share/doc/morvane/LICENSE)
string(REPLACE "," ";" icon_sizes "${ICON_SIZES}")
if(NOT icon_sizes)
  problem("no icon sizes given (-DICON_SIZES=)")
endif()
foreach(size IN LISTS icon_sizes)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${app}.png)
endforeach()
foreach(f IN LISTS expected)
  if(NOT EXISTS "${PREFIX}/${f}" OR IS_DIRECTORY "${PREFIX}/${f}")
    problem("missing: ${f}")
  endif()
endforeach()

# The expected strings, from the version script, in the reader's key order.
morvane_version_strings(want "${VERSION_RC}")
if(want STREQUAL "")
  problem("no version strings found in ${VERSION_RC}")
endif()

foreach(program IN ITEMS morvane morvane-calc)
  set(exe "${PREFIX}/bin/${program}")
  if(NOT EXISTS "${exe}")
    continue()
  endif()
  # Stripped, and the version section kept.
  execute_process(COMMAND "${READELF}" -S -W "${exe}"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE sections ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    problem("readelf -S bin/${program} failed: ${err}")
  else()
    if(sections MATCHES "[ \t]\\.symtab[ \t]")
      problem("bin/${program} still has its symbol table: --strip did not strip it")
    endif()
    if(NOT sections MATCHES "[ \t]\\.vsinfo[ \t]")
      problem("bin/${program} has no .vsinfo section")
    endif()
  endif()

  execute_process(COMMAND "${VERINFO}" "${exe}"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE got ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    problem("morvane-verinfo bin/${program} failed (${rc}): ${err}")
  elseif(NOT got STREQUAL want)
    problem("version strings of bin/${program}:\n${got}expected:\n${want}")
  endif()
endforeach()

set(desktop "${PREFIX}/share/applications/${app}.desktop")
if(EXISTS "${desktop}")
  execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${desktop}"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
    problem("desktop-file-validate (${rc}):\n${out}")
  endif()
endif()

# The toolkit's part of morvane-calc, loaded from beside the installed
# program: the phrase of a German session is German.
execute_process(COMMAND "${CMAKE_COMMAND}" -E env LC_ALL=de_DE.UTF-8 LANGUAGE=
                        "${PREFIX}/bin/morvane-calc" diff 2004-01-01 2004-01-02 --phrase-only
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "In Worten: 1 Tag\n")
  problem("bin/morvane-calc in German (${rc}) wrote \"${out}\" ${err}: its locale module is not found")
endif()

if(problems)
  list(JOIN problems "\n" text)
  message(FATAL_ERROR "${text}")
endif()
list(LENGTH expected n)
message(STATUS "installed ${n} files into ${PREFIX}; version strings and desktop entry check out")
