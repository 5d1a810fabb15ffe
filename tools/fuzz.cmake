# libFuzzer targets for every parser a player's file reaches, built only by
# tools/run-fuzz, which configures its own tree with clang and the
# sanitizers (and fuzzer-no-link) in CMAKE_CXX_FLAGS for every library, so
# the libraries' own source lists decide what each target links.
option(VORBEXIA_FUZZ "Build the libFuzzer targets (tools/run-fuzz)" OFF)
if(NOT VORBEXIA_FUZZ)
  return()
endif()

function(vorbexia_fuzz_target name)
  add_executable(fuzz_${name} ${CMAKE_CURRENT_LIST_DIR}/fuzz_${name}.cpp ${ARGN})
  target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
endfunction()

vorbexia_fuzz_target(dib_reader)
target_link_libraries(fuzz_dib_reader PRIVATE vorbexia_image)
vorbexia_fuzz_target(settings)
target_link_libraries(fuzz_settings PRIVATE vorbexia_controls)
vorbexia_fuzz_target(demo)
target_link_libraries(fuzz_demo PRIVATE vorbexia_demo)
vorbexia_fuzz_target(command_line)
target_link_libraries(fuzz_command_line PRIVATE vorbexia_shell)
vorbexia_fuzz_target(sim_options)
target_link_libraries(fuzz_sim_options PRIVATE vorbexia_sim_options)
# The SDL layer's library needs SDL; its user-dirs.dirs reader needs only
# the file reader.
vorbexia_fuzz_target(user_dirs ${PROJECT_SOURCE_DIR}/src/platform/sdl/xdg_folders.cpp)
target_link_libraries(fuzz_user_dirs PRIVATE vorbexia_files)
