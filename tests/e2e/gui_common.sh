# Shared by the program's end-to-end tests under X11: the display, work folder and helpers of
# x_display_common.sh, and the arguments. Sourced, not run.
# Arguments of the sourcing script: ORYN7PX ORYN7PX-EMU ORYN7PX-CLI PROGRAM_DIR
. "$(dirname "${BASH_SOURCE[0]}")/x_display_common.sh"
gui=$1 emu=$2 cli=$3 built=$4
export XDG_RUNTIME_DIR=$work/run ORYN7PX_DATA_DIR=$work/data ORYN7PX_EMULATOR=$work/emu.sock
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$ORYN7PX_DATA_DIR"
title="Tavik ORYN7PX Gaming Mouse Driver"
index=$ORYN7PX_DATA_DIR/Profile/ConfigInfo.cfg
profile=$ORYN7PX_DATA_DIR/Profile/Profile1.cfg
program=$work/program

# A program folder of the test's own, which the test can add to (a flashing tool, skins).
make_program_folder() {
  mkdir -p "$program"
  cp "$gui" "$program/oryn7px"
  ln -s "$built/skins" "$program/skins"
  ln -s "$built/Language" "$program/Language"
  ln -s "$built/libMenuEx.so" "$program/libMenuEx.so"  # without it the main page closes the program
}
# Every settings file in place, in language number LANGUAGE (2, English, unless given), so no
# first-start message waits for an answer; export and import once make ConfigInfo.cfg.
seed_data_folder() {  # seed_data_folder [LANGUAGE]
  printf "\\x0${1:-2}\\x00\\x00\\x00" >"$ORYN7PX_DATA_DIR/Language.cfg"
  truncate -s 2052000 "$ORYN7PX_DATA_DIR/Macro.cfg"
  truncate -s 24 "$ORYN7PX_DATA_DIR/Sts.cfg"
  "$cli" show >/dev/null 2>&1
  "$cli" export "$work/all.cfg" >/dev/null
  "$cli" import "$work/all.cfg" >/dev/null
}
start_emu() {  # start_emu [OPTION...]
  "$emu" --socket "$ORYN7PX_EMULATOR" "$@" >"$work/emu.log" 2>&1 &
  pids+=($!)
  wait_for 5 test -S "$ORYN7PX_EMULATOR" || fail "oryn7px-emu did not start"
}
emu() { "$emu" --socket "$ORYN7PX_EMULATOR" "$@"; }
window() { xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -1; }
