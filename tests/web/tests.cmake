# The web build's own test page (tests/web/run builds it): the golden views
# drawn in the browser through the fixed-function layer on WebGL. The
# browser tests themselves are node scripts (tests/web/*.test.js).
get_filename_component(tests_dir ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
add_executable(golden_views ${CMAKE_CURRENT_LIST_DIR}/golden_views.cpp)
target_link_libraries(golden_views PRIVATE vorbexia_render_fixedgl vorbexia_fixedgl)
target_link_options(golden_views PRIVATE -sALLOW_MEMORY_GROWTH -sENVIRONMENT=web
                    -sMIN_WEBGL_VERSION=1 -sMAX_WEBGL_VERSION=1
                    "SHELL:--preload-file ${PROJECT_SOURCE_DIR}/textures@/textures"
                    "SHELL:--preload-file ${tests_dir}/render/golden@/golden")
set_target_properties(golden_views PROPERTIES SUFFIX .js)
