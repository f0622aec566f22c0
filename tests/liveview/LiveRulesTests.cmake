# The camera's rule record built from the live set, and the rule temperature
# worker against the simulated camera.
calidra_gui_tests(calidra_liverules_tests ${CMAKE_CURRENT_LIST_DIR}/LiveRulesTest.cpp)
calidra_gui_tests(calidra_liverules_page_tests ${CMAKE_CURRENT_LIST_DIR}/LiveRulesPageTest.cpp)
