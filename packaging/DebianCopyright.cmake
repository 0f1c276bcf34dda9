# Run by cpack while it stages the package (CPACK_INSTALL_SCRIPTS): the
# staging folder is $ENV{DESTDIR}, the package's prefix
# CPACK_PACKAGING_INSTALL_PREFIX. Writes the copyright file every Debian
# package carries, <prefix>/share/doc/<package>/copyright, in the
# machine-readable format, the licence text taken from LICENSE.
if("$ENV{DESTDIR}" STREQUAL "")
  # Never write into the running system.
  message(FATAL_ERROR "DebianCopyright.cmake runs only inside cpack's staging (DESTDIR unset)")
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
