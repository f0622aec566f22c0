# Picture analysis: the analysis window, which holds the scene view, the
# result views, the parameter panel and the range slider.
target_sources(calidra_ui PRIVATE
  ${PROJECT_SOURCE_DIR}/picture/QHotImageCtrl.cpp)
