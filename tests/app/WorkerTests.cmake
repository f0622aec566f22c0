# The device-command worker on a thread of its own over the simulated
# camera, and the records it builds.
calidra_gui_tests(calidra_worker_tests
  ${CMAKE_CURRENT_LIST_DIR}/worker/SignalJournal.cpp
  ${CMAKE_CURRENT_LIST_DIR}/worker/WorkerSync.cpp
  ${CMAKE_CURRENT_LIST_DIR}/worker/WorkerTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/worker/ConnectTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/worker/CommandsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/worker/CorrectionsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/worker/CalibrationTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/worker/DeviceInfoTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/worker/AdvancedToolsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/worker/DeviceCommandRecordsTest.cpp)
# The worker's thread under ThreadSanitizer (test.sh runs the label tsan).
if(CALIDRA_TSAN)
  add_test(NAME calidra_worker_threads COMMAND calidra_worker_tests)
  set_tests_properties(calidra_worker_threads PROPERTIES LABELS "app;tsan" ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endif()
