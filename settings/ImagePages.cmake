# Image settings (module 3): the module page, its panel with the foldable
# sections, and the pages of the sections.
target_sources(calidra_ui PRIVATE
  ${PROJECT_SOURCE_DIR}/app/widgets/FoldSections.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImagePageSupport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QBasicSetting.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QFFCSetting.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QGainSetting.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QWideDynamicWidget.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QImageModeWidget.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QImageInfo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QImageInfoModule.cpp)
