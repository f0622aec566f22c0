# Firmware update page of the settings panel.
target_sources(calidra_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/QUpdate.h
  ${CMAKE_CURRENT_LIST_DIR}/QUpdate.cpp)
