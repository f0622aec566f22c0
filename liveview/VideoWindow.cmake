# The live video window with its bad-pixel markers, and the live grey-level
# histogram (Qt Charts).
find_package(Qt5 COMPONENTS Charts REQUIRED)
target_sources(calidra_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/QVideoWndWidget.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BadMarkerItem.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BadPixelItem.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BadPixelColItem.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QHistogramCount.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QVideoHistogram.cpp)
target_link_libraries(calidra_ui PUBLIC Qt5::Charts)
