# Desktop integration: the application icon, what assistive technology reads
# from the windows, and the pictures' stored resolutions; then the same
# windows on a screen with two device pixels to the pixel.
find_package(Qt6 REQUIRED COMPONENTS Test Widgets)

add_executable(tst_desktop_integration
  ${CMAKE_CURRENT_LIST_DIR}/tst_DesktopIntegration.cpp ${CMAKE_CURRENT_LIST_DIR}/TestSupport.h)
set_target_properties(tst_desktop_integration PROPERTIES AUTOMOC ON)
target_link_libraries(tst_desktop_integration PRIVATE morvane_ui Qt6::Test)
add_test(NAME ui_desktop_integration COMMAND tst_desktop_integration)
set_tests_properties(ui_desktop_integration PROPERTIES ENVIRONMENT "${MORVANE_TEST_ENV}")

add_executable(tst_high_density
  ${CMAKE_CURRENT_LIST_DIR}/tst_HighDensity.cpp ${CMAKE_CURRENT_LIST_DIR}/TestSupport.h)
set_target_properties(tst_high_density PROPERTIES AUTOMOC ON)
target_link_libraries(tst_high_density PRIVATE morvane_ui Qt6::Test)
add_test(NAME ui_high_density COMMAND tst_high_density)
set_tests_properties(ui_high_density PROPERTIES ENVIRONMENT "${MORVANE_TEST_ENV};QT_SCALE_FACTOR=2")
