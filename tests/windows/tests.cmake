# The tests of the Windows cross build, run under Wine by CTest's emulator
# (tests/windows/wine-run.sh). GoogleTest is built here from Debian's sources
# for the cross compiler. Tests that need SDL or a GL context are Linux-only:
# the texture upload (tests/image/textures_test.cpp), SDL's key map and
# platform (tests/shell/key_map_test.cpp, sdl_platform_test.cpp) and the whole
# render suite; so is a file cut short while mapped (mapped_file_test.cpp),
# which Windows does not allow.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_library(vorbexia_test_support STATIC ${CMAKE_CURRENT_LIST_DIR}/../support/scripted_platform.cpp)
target_include_directories(vorbexia_test_support PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(vorbexia_test_support PUBLIC vorbexia_shell vorbexia_world GTest::gtest)

set(linux_only ${CMAKE_CURRENT_LIST_DIR}/../image/textures_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/../image/mapped_file_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/../shell/key_map_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/../shell/sdl_platform_test.cpp)

# Tests that count open files and mappings in Linux's /proc; on Windows the
# handle counts of tests/windows/mapped_file_win32_test.cpp stand for them.
set(proc_filter "-DibFile.SuccessShowsNoBoxAndLeavesNothingOpen:\
DibFile.RefusalsShowWhileMappedAndReleaseAfter:DibFile.OpenFailureShowsAfterTheFileIsClosed")

# One test binary per folder, one CTest test per binary: every start of a
# program under Wine costs a good part of a second.
#   vorbexia_windows_test_binary(NAME FOLDER [FILTER gtest-filter] LIBRARIES...)
function(vorbexia_windows_test_binary name folder)
  cmake_parse_arguments(PARSE_ARGV 2 test "" "FILTER" "")
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/../${folder}/*.cpp)
  list(REMOVE_ITEM sources ${linux_only})
  add_executable(${name} ${sources} ${CMAKE_CURRENT_LIST_DIR}/posix_shim.cpp)
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_LIST_DIR}/..
                             ${CMAKE_CURRENT_LIST_DIR}/shim)
  target_compile_options(${name} PRIVATE -include ${CMAKE_CURRENT_LIST_DIR}/posix_shim.h)
  target_link_libraries(${name} PRIVATE ${test_UNPARSED_ARGUMENTS} GTest::gtest
                        GTest::gtest_main GTest::gmock)
  set(filter)
  if(test_FILTER)
    set(filter --gtest_filter=${test_FILTER})
  endif()
  add_test(NAME ${folder} COMMAND ${name} --gtest_brief=1 ${filter}
           WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
  set_tests_properties(${folder} PROPERTIES LABELS unit TIMEOUT 300)
endfunction()

vorbexia_windows_test_binary(world_tests world vorbexia_world)
vorbexia_windows_test_binary(image_tests image FILTER ${proc_filter} vorbexia_image
                              vorbexia_test_support)
vorbexia_windows_test_binary(shell_tests shell vorbexia_test_support)
# The Win32 platform layer's own logic.
vorbexia_windows_test_binary(win32_tests windows vorbexia_win32 vorbexia_image)

# End-to-end under Wine and Xvfb, one at a time: tests/windows/test_*.sh.
file(GLOB windows_e2e CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/test_*.sh)
foreach(script ${windows_e2e})
  get_filename_component(stem ${script} NAME_WE)
  add_test(NAME e2e.${stem} COMMAND bash ${script} $<TARGET_FILE:vorbexia>
           WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
  set_tests_properties(e2e.${stem} PROPERTIES LABELS e2e TIMEOUT 180 RUN_SERIAL TRUE)
endforeach()
add_executable(winctl ${CMAKE_CURRENT_LIST_DIR}/winctl.cpp)
foreach(script ${windows_e2e})
  get_filename_component(stem ${script} NAME_WE)
  set_property(TEST e2e.${stem} APPEND PROPERTY ENVIRONMENT WINCTL=$<TARGET_FILE:winctl>)
endforeach()
