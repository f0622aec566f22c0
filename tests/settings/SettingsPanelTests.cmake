# Tests of the settings module and its panel, and their screenshots.
calidra_gui_tests(calidra_settingspanel_tests ${CMAKE_CURRENT_LIST_DIR}/SettingsPanelTest.cpp)
calidra_screenshot_tests(calidra_settingspanel_screenshot_tests calidra_settingspanel_screenshots
                         ${CMAKE_CURRENT_LIST_DIR}/SettingsPanelScreenshotTest.cpp)
