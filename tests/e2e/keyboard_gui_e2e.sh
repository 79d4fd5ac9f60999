#!/usr/bin/env bash
# The program under X11 against oryn7px-emu, driven by the keyboard alone: Tab to DPI level 3's box
# and Space turns it off, the arrows choose the lighting tab, Space the steady light and the
# arrows raise its brightness, Tab to apply and Space writes the mouse. Enter and Escape close
# nothing on the way.
# Usage: keyboard_gui_e2e.sh ORYN7PX ORYN7PX-EMU ORYN7PX-CLI PROGRAM_DIR
set -euo pipefail
. "$(dirname "$0")/gui_common.sh"

seed_data_folder
start_emu
"$built/oryn7px" >"$work/gui.log" 2>&1 &
gui_pid=$!
pids+=($gui_pid)
window_shown() { [[ -n $(window) ]]; }
wait_for 20 window_shown || fail "the main window did not appear: $(cat "$work/gui.log")"
w=$(window)
sleep 1
xdotool windowfocus --sync "$w"
keys() { xdotool key --delay 50 "$@"; sleep 0.3; }
lighting() { python3 "$(dirname "$0")/lighting_fields.py" "$profile" "$1"; }
brightness=$(lighting p1)

# The main page from no control: DPI box 1, slider 1, box 2, slider 2, box 3.
keys --repeat 5 Tab
keys space
keys Return Escape KP_Enter
window_shown || fail "Enter or Escape closed the window"
# On round the page (level 3's slider is off now) to the first page tab; Right chooses the next.
keys --repeat 29 Tab
keys Right
# Round the frame to the lighting page's first control, then its fourth: the steady light.
keys --repeat 13 Tab
keys --repeat 4 Tab
keys space
# Its brightness slider, four steps up.
keys Tab
keys Right Right Right Right
# On to apply: colour cycle, touch x3, presets x26, red, green, blue, page tabs x5, profiles x5.
keys --repeat 44 Tab
rm -f "$index"
keys space
wait_for 20 test -e "$index" || fail "nothing saved after apply: $(cat "$work/gui.log")"

python3 - "$profile" <<'PY' || fail "the saved profile does not hold the keys"
import struct, sys
data = open(sys.argv[1], "rb").read()
enabled = struct.unpack_from("<7i", data, 25356)
assert enabled == (1, 1, 0, 1, 1, 1, 1), enabled
PY
[[ $(lighting "(mode, p1)") == "(1, $((brightness + 4)))" ]] || fail "saved lighting: $(lighting "(mode, p1)")"
"$emu" --socket "$ORYN7PX_EMULATOR" --dump >"$work/dump.json"
python3 - "$work/dump.json" <<'PY' || fail "the mouse did not get the keys' settings: $(head -c 600 "$work/dump.json")"
import json, sys
d = json.load(open(sys.argv[1]))
table = bytes.fromhex(d["dpi_table"].replace(" ", ""))
assert list(table[:7]) == [10, 15, 25, 30, 40, 50, 0xFF], list(table)
assert d["effect"][0] == 1, d["effect"]
PY
[[ $(python3 -c "import json,sys; print(json.load(open(sys.argv[1]))['effect'][1])" "$work/dump.json") == $((brightness + 4)) ]] ||
  fail "brightness sent: $(head -c 600 "$work/dump.json")"
# Ended and waited for here: its close sequence writes into the data folder the exit removes.
kill "$gui_pid"
wait "$gui_pid" || true
echo "keyboard end-to-end checks passed"
