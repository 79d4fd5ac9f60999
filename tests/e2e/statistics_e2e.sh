#!/usr/bin/env bash
# The statistics under X11: the program counts presses, wheel notches and travel made with
# xdotool anywhere on the desktop, and a SIGTERM runs the close sequence that saves Sts.cfg.
# Usage: statistics_e2e.sh ORYN7PX ORYN7PX-CLI PROGRAM_DIR
set -euo pipefail
. "$(dirname "$0")/x_display_common.sh"
gui=$1 cli=$2 built=$3

program=$work/program
mkdir -p "$program"
cp "$gui" "$program/oryn7px"
ln -s "$built/skins" "$program/skins"
ln -s "$built/Language" "$program/Language"
ln -s "$built/libMenuEx.so" "$program/libMenuEx.so"  # without it the main page closes the program

export XDG_RUNTIME_DIR=$work/run ORYN7PX_DATA_DIR=$work/data
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$ORYN7PX_DATA_DIR"
title="Tavik ORYN7PX Gaming Mouse Driver"
counts() { "$cli" stats --json | python3 -c "import json,sys; d=json.load(sys.stdin); print($1)"; }

# English, a macro library, a profile index and earlier counts: no first-start box waits.
printf '\x02\x00\x00\x00' >"$ORYN7PX_DATA_DIR/Language.cfg"
truncate -s 2052000 "$ORYN7PX_DATA_DIR/Macro.cfg"
"$cli" show >/dev/null 2>&1
"$cli" export "$work/all.cfg" >/dev/null 2>&1
"$cli" import "$work/all.cfg" >/dev/null 2>&1
python3 -c 'import struct, sys; open(sys.argv[1], "wb").write(struct.pack("<6I", 10, 20, 30, 40, 50, 0))' \
  "$ORYN7PX_DATA_DIR/Sts.cfg"

"$program/oryn7px" --virtual-mouse >"$work/gui.log" 2>&1 &
gui_pid=$!
pids+=("$gui_pid")
wait_for 20 eval '[[ -n $(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null) ]]' ||
  fail "the main window did not appear"
sleep 1  # the input hooks are installed last in start-up

echo "== presses and wheel notches on the desktop, beside the window"
xdotool mousemove 20 780
xdotool click --repeat 3 --delay 50 1
xdotool click 2
xdotool click --repeat 2 --delay 50 3
xdotool click --repeat 4 --delay 50 4
xdotool click 5
xdotool click 8  # a side button counts nowhere

echo "== travel between cursor samples"
for _ in 1 2 3 4; do
  xdotool mousemove_relative -- 100 0
  sleep 0.6
  xdotool mousemove_relative -- -100 0
  sleep 0.6
done

echo "== SIGTERM runs the close sequence"
kill -TERM "$gui_pid"
wait_for 10 eval '! kill -0 "$gui_pid" 2>/dev/null' || fail "the program did not end on SIGTERM"
status=0; wait "$gui_pid" || status=$?
[[ $status == 0 ]] || fail "the program ended with status $status on SIGTERM"

[[ $(counts 'd["left"], d["middle"], d["right"], d["wheel_up"], d["wheel_down"]') == "13 21 32 44 51" ]] ||
  fail "Sts.cfg holds $(counts 'd')"
travel=$(counts 'd["move_distance"]')
(( travel >= 400 )) || fail "travel of $travel pixels, at least 400 were made"
echo "Sts.cfg after the session: $(counts 'd')"
echo "all statistics end-to-end checks passed"
