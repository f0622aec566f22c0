# Tests of the general settings page over the simulated camera, alone and
# wired to the device-command worker on its thread.
calidra_gui_tests(calidra_generalsettings_tests ${CMAKE_CURRENT_LIST_DIR}/GeneralSettingsTest.cpp
  ${PROJECT_SOURCE_DIR}/tests/app/worker/WorkerSync.cpp)
target_include_directories(calidra_generalsettings_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/app/worker)
