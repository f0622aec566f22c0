# The picture and rule store: the open radiometric picture through thermcore,
# the picture and live rule sets, and the display image written back into the
# picture file.
target_sources(calidra_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ThermalImageData.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PicRuleRecord.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PicRuleList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BgrToNv12.cpp)
