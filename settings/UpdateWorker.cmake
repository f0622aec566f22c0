# Firmware update worker of the update page.
target_sources(calidra_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/UpdateExec.h
  ${CMAKE_CURRENT_LIST_DIR}/UpdateExec.cpp)
target_link_libraries(calidra_ui PUBLIC calidra_firmware)
