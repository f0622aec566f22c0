# The picture analysis window and its module over fixture pictures and
# snapshots of the simulated camera; and its screenshots.
calidra_gui_tests(calidra_analysiswindow_tests ${CMAKE_CURRENT_LIST_DIR}/AnalysisWindowTest.cpp
                  ${CMAKE_CURRENT_LIST_DIR}/AnalysisPictureTest.cpp
                  ${CMAKE_CURRENT_LIST_DIR}/AnalysisLiveExportTest.cpp)
target_link_libraries(calidra_analysiswindow_tests PRIVATE thermcore_fixtures)
target_include_directories(calidra_analysiswindow_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/liveview)

include(${PROJECT_SOURCE_DIR}/tests/app/support/ScreenshotTests.cmake)
calidra_screenshot_tests(calidra_analysiswindow_screenshot_tests calidra_analysiswindow_screenshots
                         ${CMAKE_CURRENT_LIST_DIR}/AnalysisWindowScreenshotTest.cpp)
target_link_libraries(calidra_analysiswindow_screenshot_tests PRIVATE thermcore_fixtures)
