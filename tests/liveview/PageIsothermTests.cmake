# The isotherm page of the side panel: its values as a table, and the page
# against the device-command worker over the simulated camera.
calidra_gui_tests(calidra_pageisotherm_tests
  ${CMAKE_CURRENT_LIST_DIR}/IsothermFormTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/IsothermParamsTest.cpp)
