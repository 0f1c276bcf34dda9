# The About window joins the window library; the program carries the version
# information that the window reads from the program's own file.
target_sources(morvane_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AboutForm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AboutForm.h
  ${PROJECT_SOURCE_DIR}/resources/AboutForm.ui
)
target_link_libraries(morvane_ui PUBLIC morvane_pictures morvane_version)
morvane_embed_version_resource(morvane "${MORVANE_VERSION_RC}")

# A picture of the About window for the documentation (scripts/screenshots.sh),
# reading the program's version strings from its own file.
add_executable(morvane_about_shot ${CMAKE_CURRENT_LIST_DIR}/shots/AboutShot.cpp)
target_link_libraries(morvane_about_shot PRIVATE morvane_ui)
morvane_embed_version_resource(morvane_about_shot "${MORVANE_VERSION_RC}")
