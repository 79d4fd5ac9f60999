# Shared by the installation tests: the display, work folder and helpers of x_display_common.sh,
# and a new user. Sourced, not run, before the script reads its arguments.
. "$(dirname "${BASH_SOURCE[0]}")/../x_display_common.sh"
# A new user: nothing of the program in the home folder yet.
new_user() {
  export HOME=$work/home XDG_DATA_HOME=$work/home/.local/share XDG_RUNTIME_DIR=$work/run
  unset ORYN7PX_DATA_DIR ORYN7PX_EMULATOR LC_ALL LC_MESSAGES
  mkdir -p "$HOME"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
}
