# The frame worker's picture for the video widget beside OpenCV doing the
# same work, and the intake's copy into a pooled frame.
add_executable(videoplay_bench ${CMAKE_CURRENT_LIST_DIR}/VideoPlayBench.cpp)
target_link_libraries(videoplay_bench PRIVATE calidra_ui bench_support calidra_warnings)
