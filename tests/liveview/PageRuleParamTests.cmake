# (tests of this page)
# The rule property page of the side panel over the simulated camera, its
# global requests carried out by the device-command worker on its thread.
calidra_gui_tests(calidra_pageruleparam_tests ${CMAKE_CURRENT_LIST_DIR}/RuleParamPageTest.cpp)
