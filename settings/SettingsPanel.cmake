# Settings (module 1): the module page and its panel of three fold-out
# sections, with the lists of what they relay.
target_sources(calidra_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/SettingRelays.h
  ${CMAKE_CURRENT_LIST_DIR}/QSettingCtrl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QSettingModule.cpp)
