# Image settings (module 3): the image parameter worker and the table of its
# slots.
target_sources(calidra_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ImageInfoExecCommands.h
  ${CMAKE_CURRENT_LIST_DIR}/QImageInfoExec.h
  ${CMAKE_CURRENT_LIST_DIR}/QImageInfoExec.cpp)
