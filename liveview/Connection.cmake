# sources of calidra_ui
# The connection dialog (camera list and serial ports) and the sources of
# USB removal notifications the live page listens to.
find_package(Qt5 COMPONENTS SerialPort REQUIRED)
find_package(PkgConfig REQUIRED)
pkg_check_modules(UDEV REQUIRED IMPORTED_TARGET GLOBAL libudev)

target_sources(calidra_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/QLoginSetting.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SerialPortNumber.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DeviceInfoText.cpp
  ${PROJECT_SOURCE_DIR}/platform/hotplug/DeviceChangeNotifier.cpp
  ${PROJECT_SOURCE_DIR}/platform/hotplug/UdevDeviceChangeNotifier.cpp
  ${PROJECT_SOURCE_DIR}/platform/hotplug/SimDeviceChangeNotifier.cpp
  ${PROJECT_SOURCE_DIR}/platform/hotplug/DeviceChangeNotifierFactory.cpp)
target_link_libraries(calidra_ui PUBLIC Qt5::SerialPort PRIVATE PkgConfig::UDEV)
