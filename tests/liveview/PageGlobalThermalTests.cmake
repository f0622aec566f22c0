# The side panel's global thermal settings page.
calidra_gui_tests(calidra_pageglobalthermal_tests ${CMAKE_CURRENT_LIST_DIR}/GlobalThermalSettingTest.cpp)
