# The running live page on the simulated camera at 1280 x 1024 and 60 fps:
# frames drawn per second and the process's CPU share, beside the camera
# simulation alone. A plain program, run by hand.
add_executable(livepage_bench ${CMAKE_CURRENT_LIST_DIR}/LivePageBench.cpp)
target_link_libraries(livepage_bench PRIVATE calidra_ui calidra_resources calidra_translations calidra_warnings)
