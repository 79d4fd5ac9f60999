# Shared by the end-to-end tests that need X11: a display of their own (other tests grab buttons
# and keys and move the pointer on the shared one), a work folder and the processes in `pids`
# ended on exit, failing (with the program's output from $work/gui.log) and waiting.
# Sourced, not run, before the script reads its arguments.
# A script may ask for a larger screen by setting e2e_screen (WIDTHxHEIGHTxDEPTH) before sourcing.
if [[ -z ${ORYN7PX_E2E_OWN_DISPLAY:-} ]]; then
  # -noreset: a client connecting just as the last one left would otherwise find no display.
  ORYN7PX_E2E_OWN_DISPLAY=1 exec xvfb-run -a -s "-screen 0 ${e2e_screen:-1280x800x24} -nolisten tcp -noreset" "$0" "$@"
fi
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  # A program ending on SIGTERM still saves its files: the folder goes once it has ended.
  for pid in "${pids[@]}"; do
    for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; [[ -f $work/gui.log ]] && cat "$work/gui.log" >&2; exit 1; }
wait_for() {  # wait_for SECONDS COMMAND...
  local limit=$(( $1 * 10 )); shift
  for _ in $(seq "$limit"); do "$@" && return 0; sleep 0.1; done
  return 1
}
