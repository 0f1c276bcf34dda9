# Desktop integration: the application icon, what assistive technology reads
# from the windows, and the pictures' stored resolutions; then the same
# windows on a screen with two device pixels to the pixel.
find_package(Qt6 REQUIRED COMPONENTS Test Widgets)

morvane_add_window_test(tst_desktop_integration tst_DesktopIntegration.cpp ui_desktop_integration)
morvane_add_window_test(tst_high_density tst_HighDensity.cpp ui_high_density QT_SCALE_FACTOR=2)
