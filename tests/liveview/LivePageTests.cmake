# The live page on the simulated camera: construction and threads, module
# switching, connecting, unplugging, sleep and zoom; and its screenshots,
# on a real X server under Xvfb when it is there.
calidra_gui_tests(calidra_livepage_tests ${CMAKE_CURRENT_LIST_DIR}/LivePageTest.cpp)

add_executable(calidra_livepage_screenshot_tests ${CMAKE_CURRENT_LIST_DIR}/LivePageScreenshotTest.cpp)
target_link_libraries(calidra_livepage_screenshot_tests PRIVATE calidra_gui_test_main calidra_resources
                      calidra_translations calidra_warnings)
target_compile_definitions(calidra_livepage_screenshot_tests PRIVATE
                           CALIDRA_SCREENSHOT_DIR="${CMAKE_BINARY_DIR}/screenshots")
find_program(CALIDRA_XVFB_RUN xvfb-run)
if(CALIDRA_XVFB_RUN)
  add_test(NAME calidra_livepage_screenshots
           COMMAND ${CALIDRA_XVFB_RUN} -a -s "-screen 0 1280x800x24"
                   $<TARGET_FILE:calidra_livepage_screenshot_tests>)
  set_tests_properties(calidra_livepage_screenshots PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=xcb" LABELS app)
else()
  add_test(NAME calidra_livepage_screenshots COMMAND calidra_livepage_screenshot_tests)
  set_tests_properties(calidra_livepage_screenshots PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS app)
endif()
