# The lens focus and zoom page: what clicks and holds send, the connection
# guard, the answers, and one run through the device-command worker over the
# simulated camera's manual clock.
calidra_gui_tests(calidra_focuspage_tests ${CMAKE_CURRENT_LIST_DIR}/FocusPageTest.cpp)
