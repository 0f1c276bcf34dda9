# Desktop integration of the windows: the application icon as every window's
# icon, accessible names and roles for screen readers, and pictures stored at
# two resolutions for screens of high pixel density.
target_sources(morvane_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Accessibility.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Accessibility.h
  ${CMAKE_CURRENT_LIST_DIR}/ApplicationIcon.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ApplicationIcon.h
  ${CMAKE_CURRENT_LIST_DIR}/PictureSet.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictureSet.h
  ${PROJECT_SOURCE_DIR}/resources/icons.qrc
)
set_target_properties(morvane_ui PROPERTIES AUTORCC ON)
