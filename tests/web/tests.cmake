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

# The browser tests: headless Chromium on pages served from 127.0.0.1,
# driven by puppeteer-core from build/web-test (tests/web/run installs it),
# on the game in build/web (tools/build-web). Like the desktop's end-to-end
# tests they run one at a time, and once more when they fail.
set(VORBEXIA_WEB_SIM ${PROJECT_SOURCE_DIR}/build/web-sim/tools/vorbexia-sim CACHE FILEPATH
    "The desktop's headless replay, for the final state of a demo (tests/web/run builds it)")
function(vorbexia_web_test name)
  add_test(NAME web.${name} COMMAND node ${CMAKE_CURRENT_LIST_DIR}/${name}.test.js ${ARGN}
           WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
  set_tests_properties(web.${name} PROPERTIES LABELS e2e TIMEOUT 300 RUN_SERIAL TRUE
                       ENVIRONMENT NODE_PATH=${PROJECT_SOURCE_DIR}/build/web-test/node_modules)
endfunction()

set(web_site ${PROJECT_SOURCE_DIR}/build/web)
vorbexia_web_test(play ${web_site} ${VORBEXIA_WEB_SIM})
vorbexia_web_test(broken_texture ${web_site})
vorbexia_web_test(timedemo ${web_site} ${VORBEXIA_WEB_SIM})
vorbexia_web_test(golden ${CMAKE_CURRENT_LIST_DIR} $<TARGET_FILE_DIR:golden_views>)
