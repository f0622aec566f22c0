# Picture analysis: the rule layer over the shown picture, and what it shares
# with the live video's rule overlay of scene, view and item list.
target_sources(calidra_ui PRIVATE
  ${PROJECT_SOURCE_DIR}/picture/QSceneViewCtrl.cpp
  ${PROJECT_SOURCE_DIR}/picture/RuleSceneCommon.cpp)
