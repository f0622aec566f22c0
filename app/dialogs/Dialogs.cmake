# The program's dialogs and the seam that opens them.
target_sources(calidra_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/UiPrompts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QMessageboxDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QLoadingMsgDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QPasswordDlg.cpp)
