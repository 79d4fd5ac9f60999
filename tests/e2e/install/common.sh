# Shared by the installation tests: a display of their own (other tests grab buttons and keys on
# the shared one), a work folder and the processes in `pids` ended on exit, failing and waiting.
# Sourced, not run, before the script reads its arguments.
if [[ -z ${ORYN7PX_INSTALL_TEST_DISPLAY:-} ]]; then
  ORYN7PX_INSTALL_TEST_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1280x800x24 -nolisten tcp -noreset" "$0" "$@"
fi
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
# A new user: nothing of the program in the home folder yet.
new_user() {
  export HOME=$work/home XDG_DATA_HOME=$work/home/.local/share XDG_RUNTIME_DIR=$work/run
  unset ORYN7PX_DATA_DIR ORYN7PX_EMULATOR LC_ALL LC_MESSAGES
  mkdir -p "$HOME"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
}
