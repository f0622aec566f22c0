# What the two rule scene controls share: the rule item list and its titles,
# the drawing tool, the flip of drawn points and the rule records.
target_sources(calidra_ui PRIVATE
  ${PROJECT_SOURCE_DIR}/picture/RuleItemList.cpp
  ${PROJECT_SOURCE_DIR}/picture/RuleDrawTool.cpp
  ${PROJECT_SOURCE_DIR}/picture/RuleFlip.cpp
  ${PROJECT_SOURCE_DIR}/picture/RuleRecordBuilder.cpp)
