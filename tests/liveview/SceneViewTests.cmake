# The rule overlay of the live video on the simulated camera, and the rule
# scene routines it shares with the picture analysis: the drawing tool, the
# flip of drawn points, the rule records and the rule item list.
calidra_gui_tests(calidra_sceneview_tests
  ${CMAKE_CURRENT_LIST_DIR}/RuleDrawToolTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RuleRecordTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QVideoSceneViewCtrlTest.cpp)
