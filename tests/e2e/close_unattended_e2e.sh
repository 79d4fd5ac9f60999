#!/usr/bin/env bash
# The close sequence never waits for a click: with a Sts.cfg that cannot be read (a folder in
# its place), the statistics cannot be saved at the end; SIGTERM and SIGHUP still end the program,
# and the refusal goes to the program's output instead of a box.
# Usage: close_unattended_e2e.sh ORYN7PX ORYN7PX-EMU ORYN7PX-CLI PROGRAM_DIR
set -euo pipefail
. "$(dirname "$0")/gui_common.sh"
make_program_folder
seed_data_folder
rm -f "$ORYN7PX_DATA_DIR/Sts.cfg" && mkdir "$ORYN7PX_DATA_DIR/Sts.cfg"

for signal in TERM HUP; do
  echo "== SIG$signal with a statistics file that cannot be saved"
  "$program/oryn7px" --virtual-mouse >"$work/gui.log" 2>&1 &
  gui_pid=$!
  pids+=("$gui_pid")
  # The start-up says Sts.cfg cannot be read: someone is there to answer that one.
  for _ in $(seq 200); do
    [[ -n $(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null) ]] && break
    for box in $(xdotool search --onlyvisible --name '^(Info|TavikORYN7PXInfoDlg)$' 2>/dev/null); do
      xdotool windowfocus --sync "$box" 2>/dev/null && xdotool key Return
    done
    sleep 0.1
  done
  [[ -n $(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null) ]] || fail "the main window did not appear"
  sleep 1
  kill -"$signal" "$gui_pid"
  wait_for 10 eval '! kill -0 "$gui_pid" 2>/dev/null' || fail "SIG$signal left the program waiting"
  [[ -z $(xdotool search --onlyvisible --name '^Info$' 2>/dev/null) ]] || fail "a box was left open"
  grep -q "Sts.cfg" "$work/gui.log" || fail "the refused save was not reported"
done
echo "all close checks passed"
