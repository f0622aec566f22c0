# The stand-ins the live page wires: their signals and slots against the
# page's connection table, and the image correction module's entry warning.
calidra_gui_tests(calidra_standin_tests ${CMAKE_CURRENT_LIST_DIR}/StandInsTest.cpp)
