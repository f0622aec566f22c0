# Tests of the general settings page over the simulated camera.
calidra_gui_tests(calidra_generalsettings_tests ${CMAKE_CURRENT_LIST_DIR}/GeneralSettingsTest.cpp)
