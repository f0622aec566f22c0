# GUI tests
calidra_gui_tests(calidra_dialogs_tests ${CMAKE_CURRENT_LIST_DIR}/DialogsTest.cpp)
