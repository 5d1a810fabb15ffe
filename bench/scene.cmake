# The game's costs in one run (needs a display, e.g. Xvfb): the drawn frame
# from fixed views, an empty frame, a world frame, start-up to the first
# frame shown and the bitmap reader beside memcpy; `name value` lines.
# Its views, fill quad and statistics are shared with the browser's bench
# page (bench/web) through frame_bench.cpp.
add_executable(vorbexia-bench ${CMAKE_CURRENT_LIST_DIR}/vorbexia_bench.cpp
               ${CMAKE_CURRENT_LIST_DIR}/frame_bench.cpp)
target_link_libraries(vorbexia-bench PRIVATE vorbexia_sdl vorbexia_render
                      vorbexia_image vorbexia_world)
# The game reads textures/ from its working directory: the bench goes there.
target_compile_definitions(vorbexia-bench PRIVATE
                           VORBEXIA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")

# make-win-demo: writes bench/win.demo, the game that vorbexia-bench plays
# back as its timedemo (`make-win-demo 1 > bench/win.demo`).
add_executable(make-win-demo ${CMAKE_CURRENT_LIST_DIR}/make_win_demo.cpp)
target_link_libraries(make-win-demo PRIVATE vorbexia_demo)
