# Picture analysis: the radiometric parameter panel and the base it shares
# with the live view's rule parameter page.
target_sources(calidra_ui PRIVATE
  ${PROJECT_SOURCE_DIR}/picture/RuleParamPanel.cpp
  ${PROJECT_SOURCE_DIR}/picture/RuleParamPanel.h
  ${PROJECT_SOURCE_DIR}/picture/QHotImageParamSet.cpp
  ${PROJECT_SOURCE_DIR}/picture/QHotImageParamSet.h)
