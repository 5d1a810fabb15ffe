# The tests of the Windows cross build, run under Wine by CTest's emulator
# (tests/windows/wine-run.sh). GoogleTest is built here from Debian's sources
# for the cross compiler. Tests that need SDL or a GL context are Linux-only
# (the texture upload, the SDL platform layer, the whole render suite),
# and so is a file cut short while mapped, which Windows does not allow.
get_filename_component(tests_dir ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# The scripted platform and renderer; the GL test context is Linux-only.
add_library(vorbexia_scripted STATIC ${tests_dir}/support/scripted_platform.cpp)
target_include_directories(vorbexia_scripted PUBLIC ${tests_dir})
target_link_libraries(vorbexia_scripted PUBLIC vorbexia_shell vorbexia_world GTest::gtest)

# Linux-only by what they include: SDL, the SDL platform layer, the SDL-made
# GL context, or GL itself; and by name, a file cut short while mapped. The
# SDL layer's own tests (tests/platform/sdl) have no Windows binary at all;
# the other folders' files are each kept unless they include one of these.
set(linux_only_includes
    "#include [<\"](SDL|GL/|platform/sdl/|support/gl_test_context|support/keep_gl)")
set(linux_only_files ${tests_dir}/image/mapped_file_test.cpp)

function(vorbexia_windows_sources out folder)
  file(GLOB sources CONFIGURE_DEPENDS ${tests_dir}/${folder}/*.cpp)
  list(REMOVE_ITEM sources ${linux_only_files} ${tests_dir}/windows/winctl.cpp
       ${tests_dir}/windows/posix_shim.cpp)
  set(kept)
  foreach(source ${sources})
    file(STRINGS ${source} linux_lines REGEX "${linux_only_includes}")
    if(linux_lines)
      get_filename_component(file_name ${source} NAME)
      message(STATUS "Windows tests: ${folder}/${file_name} is Linux-only")
    else()
      list(APPEND kept ${source})
    endif()
  endforeach()
  set(${out} ${kept} PARENT_SCOPE)
endfunction()

# Tests that count open files and mappings in Linux's /proc; on Windows the
# file-sharing checks of tests/windows/mapped_file_win32_test.cpp stand for them.
set(proc_filter "-DibFile.SuccessShowsNoBoxAndLeavesNothingOpen:\
DibFile.RefusalsShowWhileMappedAndReleaseAfter:DibFile.OpenFailureShowsAfterTheFileIsClosed")

# One test binary per folder, one CTest test per binary: every start of a
# program under Wine costs a good part of a second.
#   vorbexia_windows_test_binary(NAME FOLDER [FILTER gtest-filter] LIBRARIES...)
function(vorbexia_windows_test_binary name folder)
  cmake_parse_arguments(PARSE_ARGV 2 test "" "FILTER" "")
  vorbexia_windows_sources(sources ${folder})
  add_executable(${name} ${sources} ${tests_dir}/windows/posix_shim.cpp)
  target_include_directories(${name} PRIVATE ${tests_dir}
                             ${tests_dir}/windows/shim)
  target_compile_options(${name} PRIVATE -include ${tests_dir}/windows/posix_shim.h)
  target_link_libraries(${name} PRIVATE ${test_UNPARSED_ARGUMENTS} GTest::gtest
                        GTest::gtest_main GTest::gmock)
  set(filter)
  if(test_FILTER)
    set(filter --gtest_filter=${test_FILTER})
  endif()
  add_test(NAME ${folder} COMMAND ${name} --gtest_brief=1 ${filter}
           WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
  # A program that Wine could not start must not pass for one with no
  # failures: the summary line decides, and any failure still fails.
  set_tests_properties(${folder} PROPERTIES LABELS unit TIMEOUT 300
                       PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] [0-9]+ test"
                       FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")
endfunction()

vorbexia_windows_test_binary(world_tests world vorbexia_world)
vorbexia_windows_test_binary(image_tests image FILTER ${proc_filter} vorbexia_image
                              vorbexia_scripted)
# The PNG writer's test reads its files back with stb's reader.
target_include_directories(image_tests SYSTEM PRIVATE ${VORBEXIA_STB_INCLUDE_DIR})
vorbexia_windows_test_binary(shell_tests shell vorbexia_scripted)
# Key scripts, demo files, the recorder and the headless replay.
if(EXISTS ${tests_dir}/demo)
  vorbexia_windows_test_binary(demo_tests demo vorbexia_demo vorbexia_scripted)
endif()
# The player's files: the reader, UTF-8 names, bytes shown in messages.
vorbexia_windows_test_binary(files_tests files vorbexia_files)
# What every platform layer shares (tests/platform/common; the SDL layer's
# own folder stays Linux-only).
vorbexia_windows_test_binary(platform_common_tests platform/common vorbexia_platform_common)
# The Win32 platform layer's own logic.
vorbexia_windows_test_binary(win32_tests windows vorbexia_win32 vorbexia_image)

# End-to-end under Wine and Xvfb: tests/windows/test_*.sh, each on its own
# display and Wine prefix (tests/windows/lib.sh), side by side.
file(GLOB windows_e2e CONFIGURE_DEPENDS ${tests_dir}/windows/test_*.sh)
foreach(script ${windows_e2e})
  get_filename_component(stem ${script} NAME_WE)
  add_test(NAME e2e.${stem} COMMAND bash ${script} $<TARGET_FILE:vorbexia>
           WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
  set_tests_properties(e2e.${stem} PROPERTIES LABELS e2e TIMEOUT 180)
endforeach()
add_executable(winctl ${tests_dir}/windows/winctl.cpp)
foreach(script ${windows_e2e})
  get_filename_component(stem ${script} NAME_WE)
  set_property(TEST e2e.${stem} APPEND PROPERTY ENVIRONMENT WINCTL=$<TARGET_FILE:winctl>)
endforeach()
# The sound synthesis is pure computation too.
if(EXISTS ${tests_dir}/sound)
  vorbexia_windows_test_binary(sound_tests sound vorbexia_sound)
endif()
