# The video window with its bad-pixel markers, and the live histogram.
calidra_gui_tests(calidra_videownd_tests
  ${CMAKE_CURRENT_LIST_DIR}/BadPixelItemsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VideoWndWidgetTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VideoHistogramTest.cpp)
