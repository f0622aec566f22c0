# The side panel's global thermal settings page.
target_sources(calidra_ui PRIVATE ${PROJECT_SOURCE_DIR}/liveview/QGlobalThermalSetting.cpp)
