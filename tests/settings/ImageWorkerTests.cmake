# The image parameter worker on a thread of its own over the simulated
# camera, with the device-command worker tests' journal and thread sync.
calidra_gui_tests(calidra_image_worker_tests
  ${PROJECT_SOURCE_DIR}/tests/app/worker/SignalJournal.cpp
  ${PROJECT_SOURCE_DIR}/tests/app/worker/WorkerSync.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImageWorkerTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImageWorkerRefreshTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImageWorkerWritesTest.cpp)
target_include_directories(calidra_image_worker_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/app/worker)
