# (sources of this page)
target_sources(calidra_ui PRIVATE
  ${PROJECT_SOURCE_DIR}/liveview/QRuleParamSet.cpp
  ${PROJECT_SOURCE_DIR}/liveview/QRuleParamSet.h)
