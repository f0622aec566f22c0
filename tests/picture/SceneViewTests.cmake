# The rule layer of the picture analysis window over fixture pictures, driven
# with the mouse as the live overlay's tests drive theirs (SceneMouse).
calidra_gui_tests(calidra_picture_sceneview_tests ${CMAKE_CURRENT_LIST_DIR}/QSceneViewCtrlTest.cpp)
target_include_directories(calidra_picture_sceneview_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/liveview)
target_link_libraries(calidra_picture_sceneview_tests PRIVATE thermcore_fixtures)
