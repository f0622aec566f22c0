# The live temperature results: the result table, the overlay over the video
# and the side panel's accordion.
calidra_gui_tests(calidra_temperresults_tests
  ${CMAKE_CURRENT_LIST_DIR}/TemperResultTableTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TemperOverlayTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SidePanelTest.cpp)
