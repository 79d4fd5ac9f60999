#!/usr/bin/env bash
# The firmware update from the support page under X11: the mouse (oryn7px-emu) at firmware 103,
# a local server offering 104. Update, OK, and the image is downloaded and the stand-in flashing
# tool in a copied program folder starts with "0" in the image's folder; the program closes.
# Usage: firmware_gui_e2e.sh ORYN7PX ORYN7PX-EMU ORYN7PX-CLI PROGRAM_DIR
set -euo pipefail
. "$(dirname "$0")/gui_common.sh"

make_program_folder
mkdir -p "$program/FWUpdate" "$work/site"
printf '#!/bin/sh\npwd > "%s/flasher-folder"\necho "$@" > "%s/flasher-ran"\n' "$work" "$work" >"$program/FWUpdate/RoruziVI"
chmod +x "$program/FWUpdate/RoruziVI"

printf 'firmware 104 image' >"$work/site/fw104.bin"
python3 "$(dirname "$0")/../support/local_http_server.py" "$work/site" "$work/port" &
pids+=($!)
wait_for 5 test -s "$work/port" || fail "the local server did not start"
site="http://127.0.0.1:$(cat "$work/port")"
cat >"$work/site/update.xml" <<XML
<?xml version="1.0" encoding="utf-8"?>
<update><firmware><current>104</current><newfile>$site/fw104.bin</newfile>
<sha256>$(sha256sum "$work/site/fw104.bin" | cut -d' ' -f1)</sha256></firmware></update>
XML

export ORYN7PX_UPDATE_URL=$site/update.xml
box=TavikORYN7PXInfoDlg
visible_window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }

seed_data_folder
start_emu --firmware 103
"$program/oryn7px" >"$work/gui.log" 2>&1 &
gui_pid=$!
pids+=("$gui_pid")
wait_for 15 eval '[[ -n $(visible_window "$title") ]]' || fail "the main window did not appear: $(cat "$work/gui.log")"

echo "== the support page's Update asks, OK downloads the image and hands over"
w=$(visible_window "$title")
xdotool mousemove --window "$w" 840 103 click 1  # the support page's tab
sleep 0.5
xdotool mousemove --window "$w" 477 406 click 1  # Update, at (405, 264)-(520, 293) in the page
wait_for 10 eval '[[ -n $(visible_window "$box") ]]' || fail "no update question"
b=$(visible_window "$box")
xdotool windowfocus --sync "$b"; xdotool key Return
wait_for 15 test -e "$work/flasher-ran" || fail "the flashing tool did not start: $(cat "$work/gui.log")"
[[ $(cat "$work/flasher-ran") == 0 ]] || fail "the flashing tool got '$(cat "$work/flasher-ran")'"
image_folder=$program/FWUpdate/new_version
[[ $(cat "$work/flasher-folder") == "$image_folder" ]] || fail "the flashing tool ran in $(cat "$work/flasher-folder")"
cmp -s "$work/site/fw104.bin" "$image_folder/TavikGameDevice.bin" || fail "the image was not downloaded"
cmp -s "$work/site/update.xml" "$image_folder/update.xml" || fail "update.xml was not kept"
wait_for 10 eval '! kill -0 "$gui_pid" 2>/dev/null' || fail "the program did not close after the hand-off"
echo "firmware update end-to-end checks passed"
