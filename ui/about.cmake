# The About window joins the window library; the program carries the version
# information that the window reads from the program's own file.
target_sources(morvane_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AboutForm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AboutForm.h
  ${PROJECT_SOURCE_DIR}/resources/AboutForm.ui
)
target_link_libraries(morvane_ui PUBLIC morvane_pictures morvane_version)
morvane_embed_version_resource(morvane "${MORVANE_VERSION_RC}")
