# The picture and rule store over fixture pictures and the simulated camera.
calidra_gui_tests(calidra_store_tests
  ${CMAKE_CURRENT_LIST_DIR}/store/PicRuleListTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/store/BgrToNv12Test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/store/ThermalImageDataPictureTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/store/ThermalImageDataSaveImageTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/store/ThermalImageDataLiveTest.cpp)
target_link_libraries(calidra_store_tests PRIVATE thermcore_fixtures)
