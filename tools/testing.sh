# What ./test and tests/windows/run share: a display for the tests and the
# way CTest runs them. Source it.

# start_test_display [COMMAND]: without a display set, starts an Xvfb for
# the tests and sets DISPLAY. At exit COMMAND runs first (such as ending the
# Wine programs that use the display), then the display goes.
start_test_display() {
  [ -z "${DISPLAY:-}" ] || return 0
  local fifo number=""
  fifo=$(mktemp -u) && mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" 2>/dev/null &
  TEST_XVFB_PID=$!
  TEST_DISPLAY_CLEANUP=${1:-true}
  trap '$TEST_DISPLAY_CLEANUP || true; kill $TEST_XVFB_PID 2>/dev/null || true' EXIT
  read -r -t 20 number <"$fifo" || true
  rm -f "$fifo"
  [ -n "$number" ] || { echo "Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$number"
}

# run_tests BUILD [LABEL]: every test of BUILD with CTest; with LABEL, of
# the end-to-end tests only those that also carry LABEL (the sanitizers' run
# takes its unit tests and those). The unit tests (all but the label e2e)
# run once, side by side: one that fails is a fault. The end-to-end tests
# run side by side too (each has its own display; those that share
# something are kept apart by CTest's RUN_SERIAL or RESOURCE_LOCK), and one
# that fails runs once more, alone, as under load a display or Wine can drop
# a connection; the tests that needed the second run are named at the end,
# and one that fails twice is a fault. Returns 1 when any test failed.
run_tests() {
  local build=$1 status=0 first=() second=() name e2e=(-L '^e2e$')
  [ -z "${2:-}" ] || e2e+=(-L "^$2\$")
  # CTest names the tests that failed there, one "NUMBER:NAME" a line.
  local failed_log=$build/Testing/Temporary/LastTestsFailed.log

  ctest --test-dir "$build" -LE '^e2e$' --output-on-failure -j"$(nproc)" || status=1

  if ! ctest --test-dir "$build" "${e2e[@]}" --output-on-failure -j"$(nproc)"; then
    mapfile -t first < <(cut -d: -f2- "$failed_log")
    if [ ${#first[@]} -eq 0 ]; then
      status=1  # CTest failed without naming a test
    else
      echo "Running the end-to-end tests that failed once more: ${first[*]}"
      if ! ctest --test-dir "$build" "${e2e[@]}" --rerun-failed --output-on-failure; then
        mapfile -t second < <(cut -d: -f2- "$failed_log")
        [ ${#second[@]} -gt 0 ] || second=("${first[@]}")
      fi
    fi
  fi

  echo
  for name in "${first[@]}"; do
    if printf '%s\n' "${second[@]}" | grep -qxF "$name"; then
      echo "Failed twice: $name"
      status=1
    else
      echo "Retried: $name (failed once, passed on the second run)"
    fi
  done
  [ ${#first[@]} -gt 0 ] || echo "No end-to-end test needed a second run."
  [ $status = 0 ] && echo "All tests passed." || echo "Tests failed." >&2
  return $status
}
