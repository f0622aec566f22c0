# Recording the live video to MP4 files.
target_sources(calidra_ui PRIVATE ${PROJECT_SOURCE_DIR}/liveview/VideoRecorder.cpp)
