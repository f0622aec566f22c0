# The second calibration page against the simulated camera through a real
# device-command worker, and its run and result record on their own.
calidra_gui_tests(calidra_pagesecondcalibration_tests ${CMAKE_CURRENT_LIST_DIR}/SecondCalibrationPageTest.cpp)
