# The device-command worker, the records it hands across threads and the
# records it builds for the camera.
target_sources(calidra_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/QDevCommExec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DeviceCommandRecords.cpp)
