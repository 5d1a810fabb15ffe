# The tests of the Windows cross build, run under Wine by CTest's emulator
# (tests/windows/wine-run.sh). GoogleTest is built here from Debian's sources
# for the cross compiler. Tests that need SDL or a GL context are Linux-only:
# the texture upload (tests/image/textures_test.cpp), SDL's key map and
# platform (tests/shell/key_map_test.cpp, sdl_platform_test.cpp) and the whole
# render suite.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_library(vorbexia_test_support STATIC ${CMAKE_CURRENT_LIST_DIR}/../support/scripted_platform.cpp)
target_include_directories(vorbexia_test_support PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(vorbexia_test_support PUBLIC vorbexia_shell vorbexia_world GTest::gtest)

set(linux_only ${CMAKE_CURRENT_LIST_DIR}/../image/textures_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/../shell/key_map_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/../shell/sdl_platform_test.cpp)

# One test binary per folder, one CTest test per binary: every start of a
# program under Wine costs a good part of a second.
function(vorbexia_windows_test_binary name folder)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/../${folder}/*.cpp)
  list(REMOVE_ITEM sources ${linux_only})
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_LIST_DIR}/..)
  target_compile_options(${name} PRIVATE -include ${CMAKE_CURRENT_LIST_DIR}/posix_shim.h)
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gtest_main GTest::gmock)
  add_test(NAME ${folder} COMMAND ${name} --gtest_brief=1
           WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
  set_tests_properties(${folder} PROPERTIES LABELS unit TIMEOUT 300)
endfunction()

vorbexia_windows_test_binary(world_tests world vorbexia_world)
vorbexia_windows_test_binary(image_tests image vorbexia_image vorbexia_test_support)
vorbexia_windows_test_binary(shell_tests shell vorbexia_test_support)
