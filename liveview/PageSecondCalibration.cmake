# The second calibration page: the page, its progress dialog, the run it
# follows and the result record it reads.
target_sources(calidra_ui PRIVATE
  ${PROJECT_SOURCE_DIR}/liveview/QSecondCalibration.cpp
  ${PROJECT_SOURCE_DIR}/liveview/QSecondCalibrationProcessDlg.cpp
  ${PROJECT_SOURCE_DIR}/liveview/SecondCalibrationRun.cpp
  ${PROJECT_SOURCE_DIR}/liveview/CalibrationGearResult.cpp)
