# The frame worker over the simulated camera, its pool, the zoom crop and the
# renderer with its widget. Qt is looked up here too, so that AUTOMOC sees it
# in this directory (the test harness is a QObject).
find_package(Qt5 COMPONENTS Core Widgets REQUIRED)
calidra_gui_tests(calidra_videoplay_tests
  ${CMAKE_CURRENT_LIST_DIR}/VideoPlayHarness.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ZoomTableTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FramePoolTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RenderCoreTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QVideoPlayTest.cpp)
# Under ThreadSanitizer (test.sh runs the label tsan): the pool's frames
# released on other threads. The worker's own tests pass frames through Qt's
# queued calls, whose locking an uninstrumented Qt hides from the sanitizer.
if(CALIDRA_TSAN)
  add_test(NAME calidra_videoplay_threads COMMAND calidra_videoplay_tests --gtest_filter=FramePoolTest.*)
  set_tests_properties(calidra_videoplay_threads PROPERTIES LABELS "liveview;tsan" ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endif()
