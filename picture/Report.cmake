# Picture analysis: the report export dialog, its worker on the dialog's
# thread and the HTML pieces; the PDF is printed through Qt Print Support.
find_package(Qt5 COMPONENTS PrintSupport REQUIRED)
target_sources(calidra_ui PRIVATE
  ${PROJECT_SOURCE_DIR}/picture/QHtmlWord.cpp
  ${PROJECT_SOURCE_DIR}/picture/QReportExport.cpp
  ${PROJECT_SOURCE_DIR}/picture/QReportExportDlg.cpp)
target_link_libraries(calidra_ui PUBLIC Qt5::PrintSupport)
