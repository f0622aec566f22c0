# The rule overlay of the live video.
target_sources(calidra_ui PRIVATE ${PROJECT_SOURCE_DIR}/liveview/QVideoSceneViewCtrl.cpp)
