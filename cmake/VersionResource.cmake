# Version resources for executables.
#
#   morvane_embed_version_resource(<target> <rc-file>)
#
# gives <target> the version information described by <rc-file> (a
# "1 VERSIONINFO" script in UTF-8). On Windows the script is linked as the
# executable's resource. Elsewhere it is compiled with llvm-rc, the
# VERSIONINFO entry (type 16, name 1) is cut out of the .res by the
# morvane_res_extract tool, and its bytes become the descriptor of an ELF
# note (owner "Morvane", type 16) in an allocated note section of its own,
# .vsinfo, which the version functions of morvane_version read. The section
# is marked to be retained (SHF_GNU_RETAIN, GNU as 2.36 / LLVM 13 and later),
# so --gc-sections under GNU ld, gold or lld keeps it; the PT_NOTE program
# header the linker makes for it still leads to the block when a strip tool
# removes the section headers (llvm-objcopy --strip-sections).
#
# Call it from the directory that created <target>. Relative <rc-file> paths
# are taken from the current source directory.
#
# The steps are also available on their own (the tests use them):
#   morvane_compile_version_resource(<res-out> <rc-file>)
#   morvane_extract_version_resource(<bin-out> <res-file>)
# each add a custom command producing its output file;
#   morvane_version_section_source(<c-out> <bin-file>)
# writes the C file that assembles <bin-file> into the .vsinfo section.

include_guard(GLOBAL)

find_program(MORVANE_LLVM_RC NAMES llvm-rc llvm-rc-14 DOC "LLVM resource compiler")

function(morvane_compile_version_resource res_out rc_file)
  if(NOT MORVANE_LLVM_RC)
    message(FATAL_ERROR "llvm-rc (or llvm-rc-14) is needed to compile ${rc_file}")
  endif()
  get_filename_component(rc_abs "${rc_file}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
  # /C 65001: the script is UTF-8, so "©" stays U+00A9. "--" ends the
  # options: llvm-rc reads any argument that starts with "/" as an option,
  # so an absolute path such as /check/... would be taken for /C.
  add_custom_command(
    OUTPUT "${res_out}"
    COMMAND "${MORVANE_LLVM_RC}" /C 65001 /FO "${res_out}" -- "${rc_abs}"
    DEPENDS "${rc_abs}"
    COMMENT "Compiling version resource ${rc_file}"
    VERBATIM)
endfunction()

function(morvane_extract_version_resource bin_out res_file)
  add_custom_command(
    OUTPUT "${bin_out}"
    COMMAND morvane_res_extract "${res_file}" "${bin_out}"
    DEPENDS "${res_file}" morvane_res_extract
    COMMENT "Extracting the VERSIONINFO entry of ${res_file}"
    VERBATIM)
endfunction()

function(morvane_version_section_source c_out bin)
  configure_file("${CMAKE_CURRENT_FUNCTION_LIST_DIR}/VersionSection.c.in" "${c_out}" @ONLY)
endfunction()

function(morvane_embed_version_resource target rc_file)
  get_filename_component(rc_abs "${rc_file}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
  if(WIN32)
    # The same script is the Windows resource, compiled by the
    # toolchain's resource compiler (the RC language) and found by the
    # system's version functions in the executable's resource directory.
    # The script is UTF-8; windres would read it as code page 1252.
    target_sources(${target} PRIVATE "${rc_abs}")
    if(CMAKE_RC_COMPILER MATCHES "windres")
      set_property(SOURCE "${rc_abs}" APPEND PROPERTY COMPILE_OPTIONS --codepage=65001)
    endif()
    return()
  endif()

  set(dir "${CMAKE_CURRENT_BINARY_DIR}/${target}_vsinfo")
  set(res "${dir}/version.res")
  set(bin "${dir}/version.bin")
  set(src "${dir}/version_section.c")

  morvane_compile_version_resource("${res}" "${rc_abs}")
  morvane_extract_version_resource("${bin}" "${res}")

  # A C file holding only file-scope assembly: no symbol, nothing for the
  # program to reference, just the bytes in their own allocated section.
  morvane_version_section_source("${src}" "${bin}")

  target_sources(${target} PRIVATE "${src}" "${bin}")
  set_source_files_properties("${src}" PROPERTIES OBJECT_DEPENDS "${bin}")
endfunction()
