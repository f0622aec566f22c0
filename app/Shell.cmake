# Start-up, configuration and the shared helpers; the main window with its
# navigation and title bars.
target_sources(calidra_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AppPaths.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ConfigManager.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AppHelpers.cpp)
