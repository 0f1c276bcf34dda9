# The picture library: the picture-format registry, the JPEG decoder built on
# libjpeg, and the About window's two pictures compiled in as a Qt resource.
find_package(Qt6 REQUIRED COMPONENTS Gui Widgets Test)
find_package(JPEG REQUIRED)

add_library(morvane_pictures STATIC
  ${CMAKE_CURRENT_LIST_DIR}/JpegImage.h
  ${CMAKE_CURRENT_LIST_DIR}/JpegImage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictureFormats.h
  ${CMAKE_CURRENT_LIST_DIR}/PictureFormats.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../resources/pictures.qrc
)
set_target_properties(morvane_pictures PROPERTIES AUTORCC ON)
target_include_directories(morvane_pictures PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_compile_definitions(morvane_pictures PRIVATE QT_NO_CONTEXTLESS_CONNECT)
target_link_libraries(morvane_pictures PUBLIC Qt6::Gui PRIVATE JPEG::JPEG)
