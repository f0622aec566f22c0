# A PDF report beside a QPdfWriter page with only its picture.
add_executable(report_bench ${CMAKE_CURRENT_LIST_DIR}/ReportBench.cpp)
target_link_libraries(report_bench PRIVATE calidra_ui bench_support calidra_warnings)
target_include_directories(report_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests/picture)
