# The live page soak on the simulated camera: connect, rules, recording,
# snapshot, unplug and replug in cycles, or a long recording, watching the
# resident memory and the frames. A plain program, run by hand; it is built
# under the sanitizers too, as leaks are what it looks for.
find_package(Qt5 COMPONENTS Widgets Test REQUIRED)
add_executable(live_soak ${CMAKE_CURRENT_LIST_DIR}/LiveSoak.cpp)
# The prompt stand-in and the overlay mouse of the GUI tests (header-only).
target_include_directories(live_soak PRIVATE ${PROJECT_SOURCE_DIR}/tests/app/support
                           ${PROJECT_SOURCE_DIR}/tests/liveview)
target_link_libraries(live_soak PRIVATE calidra_ui calidra_resources calidra_translations Qt5::Test calidra_warnings)
set_target_properties(live_soak PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
