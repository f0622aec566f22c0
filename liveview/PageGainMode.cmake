# The gain mode page (side panel and temperature calibration module).
target_sources(calidra_ui PRIVATE ${PROJECT_SOURCE_DIR}/liveview/QGainModeSwitch.cpp)
