# The live page and what its parts share: frames between threads and the
# widget the video is drawn into.
target_sources(calidra_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/QVideoPreviewModuleWidget.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QVideoPreviewModuleWidgetCapture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QVideoPreviewModuleWidgetConnection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QVideoPreviewModuleWidgetImage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QVideoPreviewModuleWidgetRules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrameMailbox.cpp
  ${PROJECT_SOURCE_DIR}/platform/rendercore/VideoSurface.cpp)
