# Snapshots of the simulated camera's frames read back by thermcore and the
# picture store, the capture folders and the free-space probe.
calidra_gui_tests(calidra_snapshot_tests
  ${CMAKE_CURRENT_LIST_DIR}/CaptureFolderTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SnapshotWriterTest.cpp)
