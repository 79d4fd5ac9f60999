# Shared by the program's end-to-end tests under X11: a display of its own (other tests grab
# buttons and keys on the shared one), the arguments, a work folder and the started processes
# cleaned up on exit, failing (with the program's output from $work/gui.log) and waiting.
# Sourced, not run.
# Arguments of the sourcing script: ORYN7PX ORYN7PX-EMU ORYN7PX-CLI PROGRAM_DIR
if [[ -z ${ORYN7PX_GUI_E2E_DISPLAY:-} ]]; then
  ORYN7PX_GUI_E2E_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1280x800x24 -nolisten tcp -noreset" "$0" "$@"
fi
gui=$1 emu=$2 cli=$3 built=$4
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; [[ -f $work/gui.log ]] && cat "$work/gui.log" >&2; exit 1; }
wait_for() {  # wait_for SECONDS COMMAND...
  local limit=$(( $1 * 10 )); shift
  for _ in $(seq "$limit"); do "$@" && return 0; sleep 0.1; done
  return 1
}
