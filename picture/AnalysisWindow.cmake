# Picture analysis: the analysis window, which holds the scene view, the
# result views, the parameter panel and the range slider; and the picture
# orientation it shares with the live video window.
target_sources(calidra_ui PRIVATE
  ${PROJECT_SOURCE_DIR}/picture/QHotImageCtrl.cpp
  ${PROJECT_SOURCE_DIR}/app/ImageOrientation.cpp)
