# The combined firmware package: mark check and copy, install file, checked
# unpacking. Qt Core and QuaZip only, built in every configuration (the fuzz
# one too, where the program is not).
find_package(Qt5 COMPONENTS Core REQUIRED)
find_package(QuaZip-Qt5 REQUIRED)
add_library(calidra_firmware STATIC
  ${CMAKE_CURRENT_LIST_DIR}/FirmwarePackage.h
  ${CMAKE_CURRENT_LIST_DIR}/FirmwarePackage.cpp)
target_include_directories(calidra_firmware PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(calidra_firmware PUBLIC Qt5::Core QuaZip::QuaZip PRIVATE calidra_warnings)
