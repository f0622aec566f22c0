# The firmware update page over the simulated camera: guards, requests,
# outcomes, progress, the advanced rows and the texts.
calidra_gui_tests(calidra_updatepage_tests ${CMAKE_CURRENT_LIST_DIR}/UpdatePageTest.cpp)
