# vorbexia-sim: the headless replay of a key script (our regression tool).
# Its command line is a library of its own, for its unit tests.
add_library(vorbexia_sim_options STATIC ${CMAKE_CURRENT_SOURCE_DIR}/sim_options.cpp)
target_include_directories(vorbexia_sim_options PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(vorbexia_sim_options PUBLIC vorbexia_demo vorbexia_files)
add_executable(vorbexia-sim ${CMAKE_CURRENT_SOURCE_DIR}/vorbexia_sim.cpp)
target_link_libraries(vorbexia-sim PRIVATE vorbexia_sim_options)

# The tool itself, end to end: a recorded script against its recorded output,
# and bad input refused with exit code 2 (each test writes files of its own
# names, since tests run side by side). The Windows build runs its own under
# Wine (tests/windows/tests.cmake).
if(VORBEXIA_TESTS AND NOT WIN32)
  set(sim_data ${PROJECT_SOURCE_DIR}/tests/demo/data)
  add_test(NAME world.sim.replays_recorded_script
           COMMAND bash -c "\"$0\" --seed 7 --frames 60 < \"$1\" | diff -u \"$2\" -"
                   $<TARGET_FILE:vorbexia-sim> ${sim_data}/sim_short.script
                   ${sim_data}/sim_short.expected)
  add_test(NAME world.sim.refuses_unknown_key
           COMMAND bash -c "printf 'U\\nUX\\n' | \"$0\" --seed 7 >unknown_key.out 2>unknown_key.err; \
code=$?; test $code -eq 2 && test ! -s unknown_key.out && test $(wc -l <unknown_key.err) -eq 1"
                   $<TARGET_FILE:vorbexia-sim>
           WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  add_test(NAME world.sim.refuses_malformed_number
           COMMAND bash -c "\"$0\" --seed 7 --frames 1x </dev/null >malformed.out 2>malformed.err; \
code=$?; test $code -eq 2 && test ! -s malformed.out && test $(wc -l <malformed.err) -eq 1"
                   $<TARGET_FILE:vorbexia-sim>
           WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  # A script that cannot be read is an error, not an empty game; a failed
  # write says so.
  add_test(NAME world.sim.read_and_write_errors_are_reported
           COMMAND bash -c "\"$0\" --seed 7 </ >read.out 2>read.err; test $? -eq 2 && \
test ! -s read.out && grep -q 'cannot read' read.err && \
{ echo U | \"$0\" --seed 7 >/dev/full 2>write.err; test $? -eq 1; } && grep -q 'cannot write' write.err"
                   $<TARGET_FILE:vorbexia-sim>
           WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  # A demo that is a folder and an endless line on standard input: one line
  # each, exit code 2.
  add_test(NAME world.sim.refuses_unreadable_demo_and_endless_input
           COMMAND bash -c "\"$0\" --demo . >dir.out 2>dir.err; test $? -eq 2 && \
test $(wc -l <dir.err) -eq 1 && grep -q 'Is a directory' dir.err && \
{ head -c 10000000 /dev/zero | tr '\\0' U | \"$0\" --seed 7 >endless.out 2>endless.err; \
test $? -eq 2; } && grep -q 'line too long' endless.err"
                   $<TARGET_FILE:vorbexia-sim>
           WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  # --help prints the usage on standard output alone and exits 0.
  add_test(NAME world.sim.help_lists_the_options
           COMMAND bash -c "\"$0\" --help >help.out 2>help.err; test $? -eq 0 && \
test ! -s help.err && grep -q -- '--demo FILE' help.out"
                   $<TARGET_FILE:vorbexia-sim>
           WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  set_tests_properties(world.sim.help_lists_the_options
                       world.sim.refuses_unreadable_demo_and_endless_input
                       world.sim.replays_recorded_script world.sim.refuses_unknown_key
                       world.sim.refuses_malformed_number
                       world.sim.read_and_write_errors_are_reported PROPERTIES LABELS world)
endif()
