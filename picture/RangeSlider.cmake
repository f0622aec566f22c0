# The palette range slider under the picture in the analysis window.
target_sources(calidra_ui PRIVATE ${PROJECT_SOURCE_DIR}/picture/QTemperRangeAdjust.cpp)
