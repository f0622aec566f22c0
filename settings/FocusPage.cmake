# Lens focus and zoom page of the settings panel (module 1).
target_sources(calidra_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/QFocusWidget.cpp)
