# Read by cpack (CPACK_PROJECT_CONFIG_FILE) before it installs anything.
# Refuses to package a build that isn't optimised or that carries the
# sanitizers.
if(CPACK_GENERATOR STREQUAL "DEB")
  if(NOT CPACK_MORVANE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
    message(FATAL_ERROR "morvane: the package is made from a Release or RelWithDebInfo "
                        "build, not '${CPACK_MORVANE_BUILD_TYPE}'")
  endif()
  if(CPACK_MORVANE_SANITIZE)
    message(FATAL_ERROR "morvane: the package is not made from a sanitizer build")
  endif()
endif()
