# Snapshots: the live frame as a PNG picture with the radiometric data
# appended behind it.
target_sources(calidra_ui PRIVATE ${PROJECT_SOURCE_DIR}/liveview/SnapshotWriter.cpp)
