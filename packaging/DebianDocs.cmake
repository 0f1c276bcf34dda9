# Run by cpack while it stages the package (CPACK_INSTALL_SCRIPTS): the
# staging folder is $ENV{DESTDIR}, the package's prefix
# CPACK_PACKAGING_INSTALL_PREFIX. Writes the two files every Debian package
# carries in <prefix>/share/doc/<package>/:
#   copyright     - machine-readable format, the licence text from LICENSE;
#   changelog.gz  - the package's changelog in Debian's format (a native
#                   package: one entry for the version being packaged, dated
#                   by SOURCE_DATE_EPOCH when set).
if("$ENV{DESTDIR}" STREQUAL "")
  # Never write into the running system.
  message(FATAL_ERROR "DebianDocs.cmake runs only inside cpack's staging (DESTDIR unset)")
endif()
set(doc "$ENV{DESTDIR}${CPACK_PACKAGING_INSTALL_PREFIX}/share/doc/${CPACK_PACKAGE_NAME}")

file(READ "${CPACK_RESOURCE_FILE_LICENSE}" licence)
string(REGEX REPLACE "\n+$" "" licence "${licence}")
# In a field's continuation lines every line starts with a space and an
# empty line is written " .".
string(REPLACE "\n" "\n " licence "${licence}")
string(REPLACE "\n \n" "\n .\n" licence "${licence}")
string(REPLACE "\n \n" "\n .\n" licence "${licence}")

if(licence MATCHES "Copyright (\\(c\\)|©) ([^\n]*)")
  set(holder "${CMAKE_MATCH_2}")
else()
  message(FATAL_ERROR "no copyright line in ${CPACK_RESOURCE_FILE_LICENSE}")
endif()

file(WRITE "${doc}/copyright"
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: ${CPACK_PACKAGE_NAME}
Upstream-Contact: ${CPACK_DEBIAN_PACKAGE_MAINTAINER}
Source: ${CPACK_DEBIAN_PACKAGE_HOMEPAGE}

Files: *
Copyright: ${holder}
License: MIT
 ${licence}
")

string(TIMESTAMP stamp "%a, %d %b %Y %H:%M:%S +0000" UTC)
file(WRITE "${doc}/changelog"
"${CPACK_PACKAGE_NAME} (${CPACK_PACKAGE_VERSION}) stable; urgency=medium

  * Release ${CPACK_PACKAGE_VERSION}.

 -- ${CPACK_DEBIAN_PACKAGE_MAINTAINER}  ${stamp}
")
# -n keeps the name and time stamp out of the header: same input, same bytes.
execute_process(COMMAND gzip -9nf "${doc}/changelog" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "gzip ${doc}/changelog failed (${rc})")
endif()
