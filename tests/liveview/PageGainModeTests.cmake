# The gain mode page against the device-command worker and the simulated
# camera.
calidra_gui_tests(calidra_pagegainmode_tests ${CMAKE_CURRENT_LIST_DIR}/GainModeSwitchTest.cpp)
