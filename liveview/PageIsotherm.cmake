# The isotherm page of the live side panel.
target_sources(calidra_ui PRIVATE
  ${PROJECT_SOURCE_DIR}/liveview/IsothermForm.cpp
  ${PROJECT_SOURCE_DIR}/liveview/QIsothermParams.cpp)
