# GUI tests of the embedded skin: images, spinner and style sheet.
calidra_gui_tests(calidra_skin_tests ${CMAKE_CURRENT_LIST_DIR}/SkinResourcesTest.cpp)
target_link_libraries(calidra_skin_tests PRIVATE calidra_resources)
