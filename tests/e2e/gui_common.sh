# Shared by the program's end-to-end tests under X11: the display, work folder and helpers of
# x_display_common.sh, and the arguments. Sourced, not run.
# Arguments of the sourcing script: ORYN7PX ORYN7PX-EMU ORYN7PX-CLI PROGRAM_DIR
. "$(dirname "${BASH_SOURCE[0]}")/x_display_common.sh"
gui=$1 emu=$2 cli=$3 built=$4
