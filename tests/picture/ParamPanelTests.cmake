# The radiometric parameter panel over a fixture picture in the store.
calidra_gui_tests(calidra_parampanel_tests ${CMAKE_CURRENT_LIST_DIR}/HotImageParamSetTest.cpp)
target_link_libraries(calidra_parampanel_tests PRIVATE thermcore_fixtures)
