# Stand-ins for the parts the live page builds and wires before they land:
# the rule temperature worker, the rule overlay, the temperature views, the
# side panel and the module pages of settings and calibration. Each keeps
# the signals and slots the real class will have.
target_sources(calidra_ui PRIVATE
  ${PROJECT_SOURCE_DIR}/liveview/StandInLog.cpp
  ${PROJECT_SOURCE_DIR}/calibration/QImageCorrectModule.cpp
  ${PROJECT_SOURCE_DIR}/calibration/QTempCaliModule.cpp)
