# Capture folders and the free-space probe, shared by recording and
# snapshots.
target_sources(calidra_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/FreeSpaceProbe.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CaptureFolder.cpp)
