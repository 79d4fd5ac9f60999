#!/usr/bin/env bash
# The main settings page under X11 against oryn7px-emu: a click on a DPI level box and on a
# report-rate radio, then apply; the saved profile and the mouse's DPI table and rate follow.
# Usage: main_page_e2e.sh ORYN7PX ORYN7PX-EMU ORYN7PX-CLI PROGRAM_DIR
set -euo pipefail
. "$(dirname "$0")/gui_common.sh"


seed_data_folder
start_emu
"$built/oryn7px" >"$work/gui.log" 2>&1 &
pids+=($!)
window_shown() { [[ -n $(window) ]]; }
wait_for 20 window_shown || fail "the main window did not appear: $(cat "$work/gui.log")"
w=$(window)
sleep 1

# Window coordinates: the page sits at (15, 128); the other layout's rectangles are used.
click() { xdotool mousemove --window "$w" "$1" "$2" sleep 0.2 click 1 sleep 0.3; }
click $((15 + 46)) $((128 + 129))   # DPI level 3 box: off
click $((15 + 93)) $((128 + 350))   # 125 Hz radio
rm -f "$index"
click 900 612                       # apply
wait_for 20 test -e "$index" || fail "nothing saved after apply: $(cat "$work/gui.log")"

python3 - "$profile" <<'PY' || fail "the saved profile does not hold the clicks"
import struct, sys
data = open(sys.argv[1], "rb").read()
rate = struct.unpack_from("<i", data, 25256)[0]
enabled = struct.unpack_from("<7i", data, 25356)
order = struct.unpack_from("<7i", data, 25384)
assert rate == 8, rate
assert enabled == (1, 1, 0, 1, 1, 1, 1), enabled
assert order == (0, 1, 255, 2, 3, 4, 5), order
PY
"$emu" --socket "$ORYN7PX_EMULATOR" --dump >"$work/dump.json"
python3 - "$work/dump.json" <<'PY' || fail "the mouse did not get the DPI table and rate: $(cat "$work/dump.json" | head -c 600)"
import json, sys
d = json.load(open(sys.argv[1]))
table = bytes.fromhex(d["dpi_table"].replace(" ", ""))
assert list(table[:7]) == [10, 15, 25, 30, 40, 50, 0xFF], list(table)
assert d["report_rate"] == 8, d["report_rate"]
PY
echo "main page end-to-end checks passed"
