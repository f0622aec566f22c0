# The palette range slider: handle placement, drags, the switch, rescaling.
calidra_gui_tests(calidra_rangeslider_tests ${CMAKE_CURRENT_LIST_DIR}/RangeSliderTest.cpp)
