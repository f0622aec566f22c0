# tests
# The connection dialog with its port-name rule and device texts, and the
# removal notification sources.
calidra_gui_tests(calidra_connection_tests
  ${CMAKE_CURRENT_LIST_DIR}/ConnectionDialogTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DeviceChangeNotifierTest.cpp)
