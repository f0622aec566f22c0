# The frame worker and the rendering layer: camera frames through the pool
# and the hand-off to the worker, the zoom crop, the worker's snapshot
# thread, and the renderer that makes the pictures of the video widget.
target_sources(calidra_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/QVideoPlay.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SnapshotWorker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FramePool.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ZoomTable.cpp
  ${PROJECT_SOURCE_DIR}/platform/rendercore/RenderCore.cpp)
