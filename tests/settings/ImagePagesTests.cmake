# Tests of the image settings pages, the panel and its module, over the
# simulated camera, and their screenshots.
calidra_gui_tests(calidra_imagepages_tests ${CMAKE_CURRENT_LIST_DIR}/ImagePagesTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImagePanelTest.cpp)

include(${PROJECT_SOURCE_DIR}/tests/app/support/ScreenshotTests.cmake)
calidra_screenshot_tests(calidra_imagepanel_screenshot_tests calidra_imagepanel_screenshots
                         ${CMAKE_CURRENT_LIST_DIR}/ImagePanelScreenshotTest.cpp)
