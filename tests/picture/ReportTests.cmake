# The report: its HTML pieces, the document and the writers, the worker on
# its thread, the dialog; both formats read back by poppler and LibreOffice;
# the dialog's screenshots and the PDF's pages. All of them load the store's
# ramp picture.
calidra_gui_tests(calidra_report_tests ${CMAKE_CURRENT_LIST_DIR}/QHtmlWordTest.cpp
                  ${CMAKE_CURRENT_LIST_DIR}/QReportExportTest.cpp ${CMAKE_CURRENT_LIST_DIR}/QReportExportDlgTest.cpp)
calidra_gui_tests(calidra_report_e2e_tests ${CMAKE_CURRENT_LIST_DIR}/ReportEndToEndTest.cpp)

include(${PROJECT_SOURCE_DIR}/tests/app/support/ScreenshotTests.cmake)
calidra_screenshot_tests(calidra_report_screenshot_tests calidra_report_screenshots
                         ${CMAKE_CURRENT_LIST_DIR}/ReportScreenshotTest.cpp)

foreach(target calidra_report_tests calidra_report_e2e_tests calidra_report_screenshot_tests)
  target_link_libraries(${target} PRIVATE thermcore_fixtures)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests/app/store)
endforeach()
