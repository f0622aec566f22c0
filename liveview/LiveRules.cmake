# The live rule temperature worker and the camera's rule record.
target_sources(calidra_ui PRIVATE ${PROJECT_SOURCE_DIR}/liveview/QTempRule.cpp
                                  ${PROJECT_SOURCE_DIR}/liveview/LiveRuleSet.cpp)
