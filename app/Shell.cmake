# Start-up, configuration and the shared helpers; the main window with its
# navigation and title bars; the stand-ins for the module pages that land
# later.
target_sources(calidra_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AppPaths.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ConfigManager.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AppHelpers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MetaTypes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StartUp.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QCtrlModuleWidget.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QTitleWidget.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QAboutDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QDevInfo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QDeviceInfoModule.cpp
  ${PROJECT_SOURCE_DIR}/picture/QHotImageModule.cpp
  ${PROJECT_SOURCE_DIR}/picture/TextMap.cpp
  ${PROJECT_SOURCE_DIR}/advanced/QAdvancedSetting.cpp)
