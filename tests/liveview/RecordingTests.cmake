# Recording on the frame worker and the live page's capture controls, the
# files read back with libavformat and ffprobe.
include(${PROJECT_SOURCE_DIR}/cmake/CalidraFFmpeg.cmake)
calidra_gui_tests(calidra_recording_tests ${CMAKE_CURRENT_LIST_DIR}/RecordingTest.cpp
                  ${CMAKE_CURRENT_LIST_DIR}/VideoPlayHarness.cpp)
target_link_libraries(calidra_recording_tests PRIVATE PkgConfig::CALIDRA_FFMPEG)
calidra_gui_tests(calidra_livepage_capture_tests ${CMAKE_CURRENT_LIST_DIR}/LivePageCaptureTest.cpp)
target_link_libraries(calidra_livepage_capture_tests PRIVATE PkgConfig::CALIDRA_FFMPEG)
