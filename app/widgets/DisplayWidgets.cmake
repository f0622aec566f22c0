# Toasts, the picture box, colour scale, recording time, the header with a
# button, and the style-sheet painting plain widgets share.
target_sources(calidra_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/StyledWidgetPaint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DialogParts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HideTimer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QTimerMessageboxWidget.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QTimerMessageboxExWidget.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QPicCtrlWidget.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QTemperScaleWidget.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QRecordTimeWidget.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QCustomHeaderView.cpp)
