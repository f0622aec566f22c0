# The analysis window's open-to-picture and slider render beside OpenCV
# colouring and resizing the same 8-bit picture.
add_executable(analysis_bench ${CMAKE_CURRENT_LIST_DIR}/AnalysisBench.cpp)
target_include_directories(analysis_bench SYSTEM PRIVATE ${OpenCV_INCLUDE_DIRS})
target_link_libraries(analysis_bench PRIVATE calidra_ui thermcore_fixtures ${OpenCV_LIBS} bench_support calidra_warnings)
