# The bitmap reader's speed: a 4096 x 4096 24-bit decode beside a memcpy.
add_executable(dib_bench ${CMAKE_CURRENT_LIST_DIR}/dib_bench.cpp)
target_link_libraries(dib_bench PRIVATE vorbexia_image benchmark::benchmark)
