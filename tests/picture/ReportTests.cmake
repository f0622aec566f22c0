# The report: its HTML pieces, the document and the writers, the worker on
# its thread, the dialog; both formats read back by poppler and LibreOffice;
# the dialog's screenshots and the PDF's first page.
calidra_gui_tests(calidra_report_tests ${CMAKE_CURRENT_LIST_DIR}/QHtmlWordTest.cpp
                  ${CMAKE_CURRENT_LIST_DIR}/QReportExportTest.cpp ${CMAKE_CURRENT_LIST_DIR}/QReportExportDlgTest.cpp)
target_link_libraries(calidra_report_tests PRIVATE thermcore_fixtures)

calidra_gui_tests(calidra_report_e2e_tests ${CMAKE_CURRENT_LIST_DIR}/ReportEndToEndTest.cpp)
target_link_libraries(calidra_report_e2e_tests PRIVATE thermcore_fixtures)

include(${PROJECT_SOURCE_DIR}/tests/app/support/ScreenshotTests.cmake)
calidra_screenshot_tests(calidra_report_screenshot_tests calidra_report_screenshots
                         ${CMAKE_CURRENT_LIST_DIR}/ReportScreenshotTest.cpp)
target_link_libraries(calidra_report_screenshot_tests PRIVATE thermcore_fixtures)
