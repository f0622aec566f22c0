# GUI tests of the value input widgets, icon buttons, long-press button and switch.
calidra_gui_tests(calidra_input_widget_tests
  ${CMAKE_CURRENT_LIST_DIR}/InputWidgetsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/IconButtonsTest.cpp)
