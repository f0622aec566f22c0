# A screenshot test program: the GUI test main, the skin and the catalogues;
# its PNG files go to <build>/screenshots/. It runs on a real X server under
# Xvfb when xvfb-run is there, else offscreen.
find_program(CALIDRA_XVFB_RUN xvfb-run)
function(calidra_screenshot_tests name test)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE calidra_gui_test_main calidra_resources calidra_translations
                        calidra_warnings)
  target_compile_definitions(${name} PRIVATE CALIDRA_SCREENSHOT_DIR="${CMAKE_BINARY_DIR}/screenshots")
  if(CALIDRA_XVFB_RUN)
    add_test(NAME ${test} COMMAND ${CALIDRA_XVFB_RUN} -a -s "-screen 0 1280x800x24" $<TARGET_FILE:${name}>)
    set_tests_properties(${test} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=xcb" LABELS app)
  else()
    add_test(NAME ${test} COMMAND ${name})
    set_tests_properties(${test} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS app)
  endif()
endfunction()
