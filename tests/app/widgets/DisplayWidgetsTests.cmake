# GUI tests
calidra_gui_tests(calidra_display_widgets_tests
  ${CMAKE_CURRENT_LIST_DIR}/ToastTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DisplayWidgetsTest.cpp)
