# Configuration, helpers, the main window and its bars.
calidra_gui_tests(calidra_shell_tests
  ${CMAKE_CURRENT_LIST_DIR}/ConfigAndHelpersTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ShellTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DeviceInfoPageTest.cpp)

# The catalogues against the texts of the sources.
find_package(Qt5 COMPONENTS LinguistTools REQUIRED)
get_target_property(calidra_lupdate Qt5::lupdate IMPORTED_LOCATION)
set(calidra_text_dirs "")
foreach(d app liveview picture settings calibration advanced)
  if(EXISTS ${PROJECT_SOURCE_DIR}/${d})
    string(APPEND calidra_text_dirs "${PROJECT_SOURCE_DIR}/${d}|")
  endif()
endforeach()
add_executable(calidra_translation_tests ${CMAKE_CURRENT_LIST_DIR}/TranslationCoverageTest.cpp)
target_link_libraries(calidra_translation_tests PRIVATE Qt5::Core GTest::gtest_main calidra_warnings)
target_compile_definitions(calidra_translation_tests PRIVATE
  CALIDRA_LUPDATE="${calidra_lupdate}"
  CALIDRA_SOURCE_DIRS="${calidra_text_dirs}"
  CALIDRA_TS_ZH="${PROJECT_SOURCE_DIR}/Translation/vxt_zh.ts"
  CALIDRA_TS_EN="${PROJECT_SOURCE_DIR}/Translation/vxt_en.ts")
gtest_discover_tests(calidra_translation_tests PROPERTIES LABELS app DISCOVERY_TIMEOUT 60)

# Screenshots of the main window (build/screenshots/), on a real X server
# under Xvfb when it is there.
add_executable(calidra_screenshot_tests ${CMAKE_CURRENT_LIST_DIR}/ScreenshotTest.cpp)
target_link_libraries(calidra_screenshot_tests PRIVATE calidra_gui_test_main calidra_resources calidra_translations
                      calidra_warnings)
target_compile_definitions(calidra_screenshot_tests PRIVATE CALIDRA_SCREENSHOT_DIR="${CMAKE_BINARY_DIR}/screenshots")
find_program(CALIDRA_XVFB_RUN xvfb-run)
if(CALIDRA_XVFB_RUN)
  add_test(NAME calidra_screenshots
           COMMAND ${CALIDRA_XVFB_RUN} -a -s "-screen 0 1280x800x24" $<TARGET_FILE:calidra_screenshot_tests>)
  set_tests_properties(calidra_screenshots PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=xcb" LABELS app)
else()
  add_test(NAME calidra_screenshots COMMAND calidra_screenshot_tests)
  set_tests_properties(calidra_screenshots PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS app)
endif()
