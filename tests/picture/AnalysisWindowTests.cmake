# The picture analysis window and its module over fixture pictures; and its
# screenshots.
calidra_gui_tests(calidra_analysiswindow_tests ${CMAKE_CURRENT_LIST_DIR}/AnalysisWindowTest.cpp)
target_link_libraries(calidra_analysiswindow_tests PRIVATE thermcore_fixtures)

include(${PROJECT_SOURCE_DIR}/tests/app/support/ScreenshotTests.cmake)
calidra_screenshot_tests(calidra_analysiswindow_screenshot_tests calidra_analysiswindow_screenshots
                         ${CMAKE_CURRENT_LIST_DIR}/AnalysisWindowScreenshotTest.cpp)
target_link_libraries(calidra_analysiswindow_screenshot_tests PRIVATE thermcore_fixtures)
