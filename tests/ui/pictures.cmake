# Tests of the picture library: the JPEG decoder and the picture-format
# registry with the About window's stored pictures.
find_package(Qt6 REQUIRED COMPONENTS Gui Widgets Test)
find_package(JPEG REQUIRED)

add_executable(picture_tests
  ${CMAKE_CURRENT_LIST_DIR}/JpegTestEncoder.h
  ${CMAKE_CURRENT_LIST_DIR}/JpegTestEncoder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JpegImageTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictureFormatsTest.cpp
)
# The tests encode their own JPEGs with libjpeg's compressor.
target_link_libraries(picture_tests PRIVATE morvane_pictures JPEG::JPEG GTest::gtest_main)
add_test(NAME picture_tests COMMAND picture_tests)
set_tests_properties(picture_tests PROPERTIES ENVIRONMENT "${MORVANE_TEST_ENV}")
