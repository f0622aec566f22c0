# Picture analysis: the rule temperature table and the overlay over the
# picture, on the result bases that the live page shares.
target_sources(calidra_ui PRIVATE
  ${PROJECT_SOURCE_DIR}/picture/QTemperWidget.cpp
  ${PROJECT_SOURCE_DIR}/picture/QTemperShow.cpp
  ${PROJECT_SOURCE_DIR}/picture/QTemperResult.cpp)
