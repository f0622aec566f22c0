# The picture analysis window's rule temperature table and overlay.
calidra_gui_tests(calidra_pictureresults_tests ${CMAKE_CURRENT_LIST_DIR}/PictureResultsTest.cpp)
target_link_libraries(calidra_pictureresults_tests PRIVATE thermcore_fixtures)
