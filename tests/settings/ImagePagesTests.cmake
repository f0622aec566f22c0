# Tests of the image settings pages, the panel and its module, over the
# simulated camera, and their screenshots.
calidra_gui_tests(calidra_imagepages_tests ${CMAKE_CURRENT_LIST_DIR}/ImagePagesTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImagePanelTest.cpp)
