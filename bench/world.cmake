# The cost of one world frame: the shot and five robots with their collision tests.
add_executable(vorbexia-world-bench ${CMAKE_CURRENT_SOURCE_DIR}/world_bench.cpp)
target_link_libraries(vorbexia-world-bench PRIVATE vorbexia_world benchmark::benchmark)
