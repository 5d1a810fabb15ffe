# The web build's tests (tests/web/run builds and runs them). The golden
# views' test of the fixed-function layer (tests/fixedgl/golden_test.cpp)
# for the browser: GoogleTest from Debian's sources, the ES 2 context on the
# canvas's WebGL as the game has it, the pictures and the goldens in the
# page's file system; golden.html runs it.
get_filename_component(tests_dir ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
add_executable(golden_tests ${tests_dir}/fixedgl/golden_test.cpp
               ${CMAKE_CURRENT_LIST_DIR}/es_context_web.cpp)
target_include_directories(golden_tests PRIVATE ${tests_dir})
target_link_libraries(golden_tests PRIVATE vorbexia_render_fixedgl GTest::gtest GTest::gtest_main)
target_link_options(golden_tests PRIVATE -lEGL -sALLOW_MEMORY_GROWTH -sENVIRONMENT=web
                    -sMIN_WEBGL_VERSION=1 -sMAX_WEBGL_VERSION=1
                    "SHELL:--preload-file ${PROJECT_SOURCE_DIR}/textures@/textures"
                    "SHELL:--preload-file ${tests_dir}/render/golden@/tests/render/golden")
set_target_properties(golden_tests PROPERTIES SUFFIX .js)

# The browser tests: headless Chromium on pages served from 127.0.0.1,
# driven by puppeteer-core from build/web-test, on the game in build/web
# (tools/build-web). They run one at a time, and once more when they fail:
# though each has its own port and browser profile, the browser draws on
# both cores (SwiftShader), and two at once took longer than one after the
# other.
set(VORBEXIA_WEB_SIM ${PROJECT_SOURCE_DIR}/build/web-sim/tools/vorbexia-sim CACHE FILEPATH
    "The desktop's headless replay, for the final state of a demo")
function(vorbexia_web_test name)
  add_test(NAME web.${name} COMMAND node ${CMAKE_CURRENT_LIST_DIR}/${name}.test.js ${ARGN}
           WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
  set_tests_properties(web.${name} PROPERTIES LABELS e2e TIMEOUT 300 RUN_SERIAL TRUE
                       ENVIRONMENT NODE_PATH=${PROJECT_SOURCE_DIR}/build/web-test/node_modules)
endfunction()
set(web_site ${PROJECT_SOURCE_DIR}/build/web)
vorbexia_web_test(play ${web_site} ${VORBEXIA_WEB_SIM})
vorbexia_web_test(boxes ${web_site})
vorbexia_web_test(comforts ${web_site})
vorbexia_web_test(timedemo ${web_site} ${VORBEXIA_WEB_SIM})
vorbexia_web_test(golden ${CMAKE_CURRENT_LIST_DIR} $<TARGET_FILE_DIR:golden_tests>)
vorbexia_web_test(misuse ${web_site})
vorbexia_web_test(page ${web_site})
vorbexia_web_test(phone ${web_site} ${VORBEXIA_WEB_SIM})
vorbexia_web_test(offline ${web_site})
