# The live temperature results: the side panel with its result table, and the
# overlay blocks over the video. The table, block and overlay bases and the
# value text under picture/ are shared with the picture analysis window.
target_sources(calidra_ui PRIVATE
  ${PROJECT_SOURCE_DIR}/picture/TemperValueText.cpp
  ${PROJECT_SOURCE_DIR}/picture/RuleResultTable.cpp
  ${PROJECT_SOURCE_DIR}/picture/RuleResultBlock.cpp
  ${PROJECT_SOURCE_DIR}/picture/RuleResultOverlay.cpp
  ${PROJECT_SOURCE_DIR}/liveview/QVideoTemperWidget.cpp
  ${PROJECT_SOURCE_DIR}/liveview/QVideoTemperShow.cpp
  ${PROJECT_SOURCE_DIR}/liveview/QVideoTemperResult.cpp
  ${PROJECT_SOURCE_DIR}/liveview/QPreviewModuleWidget.cpp)
