# Tests of the About window, and of the version information the program
# carries. The window reads the version fixtures of tests/version and one
# fixture of its own; the test executable carries the program's version
# information, so a window reading "its own file" sees the program's values.
find_package(Qt6 REQUIRED COMPONENTS Test Widgets)

set(about_fixture_dir ${CMAKE_CURRENT_BINARY_DIR}/fixtures)
add_library(about_fixture_marks SHARED ${PROJECT_SOURCE_DIR}/tests/version/fixtures/stub.c)
set_target_properties(about_fixture_marks PROPERTIES
  OUTPUT_NAME about_marks PREFIX "" SUFFIX ".so" LIBRARY_OUTPUT_DIRECTORY ${about_fixture_dir})
morvane_embed_version_resource(about_fixture_marks ${CMAKE_CURRENT_LIST_DIR}/fixtures/about_marks.rc)

morvane_add_window_test(tst_about tst_AboutForm.cpp ui_about)
target_compile_definitions(tst_about PRIVATE
  VERSION_FIXTURE_DIR="${PROJECT_BINARY_DIR}/tests/version/fixtures"
  ABOUT_FIXTURE_DIR="${about_fixture_dir}"
  MORVANE_EXECUTABLE="$<TARGET_FILE:morvane>"
  MORVANE_VERSION_TEXT="${PROJECT_VERSION}")
add_dependencies(tst_about version_fixtures about_fixture_marks morvane)
morvane_embed_version_resource(tst_about "${MORVANE_VERSION_RC}")
