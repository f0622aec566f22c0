# sources of calidra_ui: the value input widgets, the icon-and-text buttons,
# the long-press button and the switch.
target_sources(calidra_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/QCustomLineEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QUnitLineEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CSlider.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QCombineImageParamWidget.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QSelLineEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QUnitLabel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QIconTextHoverBtn.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QIconTextCtrlBtn.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QIconTextVBtn.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QIconTextListBtn.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QIconTextHBtn.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QIconTextRBtn.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QIconTextFuncBtn.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QLongPressBtn.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SwitchButton.cpp)
