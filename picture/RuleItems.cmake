# Rule items of the rule scenes: the six kinds with their handles and labels,
# shared by the live video's overlay and the picture analysis scene, and the
# live view's hot and cold spot marker.
target_sources(calidra_ui PRIVATE
  ${PROJECT_SOURCE_DIR}/picture/RuleItem.cpp
  ${PROJECT_SOURCE_DIR}/picture/RuleItemPainter.cpp
  ${PROJECT_SOURCE_DIR}/picture/PointItem.cpp
  ${PROJECT_SOURCE_DIR}/picture/LineItem.cpp
  ${PROJECT_SOURCE_DIR}/picture/RectItem.cpp
  ${PROJECT_SOURCE_DIR}/picture/EllipseItem.cpp
  ${PROJECT_SOURCE_DIR}/picture/CircularItem.cpp
  ${PROJECT_SOURCE_DIR}/picture/PolygonItem.cpp
  ${PROJECT_SOURCE_DIR}/liveview/VideoPointExItem.cpp)
