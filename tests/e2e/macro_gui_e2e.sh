#!/usr/bin/env bash
# The macro page under X11 against oryn7px-emu: a new macro is named in place, key presses sent
# with xdotool are recorded, and the macro with its lines is in Macro.cfg (read by oryn7px-cli).
# Usage: macro_gui_e2e.sh ORYN7PX ORYN7PX-EMU ORYN7PX-CLI PROGRAM_DIR [SCREENSHOT_FOLDER]
# ORYN7PX_MACRO_E2E_LANGUAGE=1 runs it in Chinese, with the skins' Chinese layout.
set -euo pipefail
. "$(dirname "$0")/gui_common.sh"
built=$(cd "$built" && pwd) shots=${5:-}
shot() { [[ -z $shots ]] || import -window root "$shots/$1.png"; }

language=${ORYN7PX_MACRO_E2E_LANGUAGE:-2}
# A program folder of its own: the skins' layout follows the language.
make_program_folder
rm "$program/skins"
cp -rs "$built/skins" "$program/skins"
rm -f "$program/skins/languagetype.ini"
printf '[languagetype]\nvalue=%d\n' $(( language == 1 )) >"$program/skins/languagetype.ini"
seed_data_folder "$language"
"$cli" macro create Reload down:r delay:120 up:r >/dev/null

start_emu
"$program/oryn7px" >>"$work/gui.log" 2>&1 &
pids+=($!)
window_shown() { [[ -n $(window) ]]; }
wait_for 15 window_shown || fail "the main window did not appear"
w=$(window)
# Page coordinates are the window's minus the page area's corner (15, 128).
click_page() { xdotool mousemove --window "$w" $(( $1 + 15 )) $(( $2 + 128 )) sleep 0.2 click 1 sleep 0.3; }

xdotool windowfocus --sync "$w"
xdotool mousemove --window "$w" 470 103 click 1 sleep 0.5   # the macro tab
shot macro-page

click_page 46 426          # new macro: its line opens for the name
xdotool type --delay 50 "Typed"
xdotool key Return sleep 0.3
click_page 841 37          # start recording
shot recording-empty
xdotool keydown a sleep 0.25 keyup a sleep 0.2 key b sleep 0.3
shot recording
click_page 841 37          # stop: the list is stored

id=$("$cli" macro list | awk '$2 == "Typed" {print $1}')
[[ -n $id ]] || fail "no macro named Typed in the library: $("$cli" macro list)"
"$cli" macro show "$id" --json >"$work/typed.json"
python3 - "$work/typed.json" <<'PY' || fail "the recorded lines"
import json, sys
m = json.load(open(sys.argv[1]))
kinds = [(e["kind"], e["value"]) for e in m["events"] if e["kind"] != "delay"]
assert kinds == [("key down", 0x41), ("key up", 0x41), ("key down", 0x42), ("key up", 0x42)], m["events"]
delays = [e["value"] for e in m["events"] if e["kind"] == "delay"]
assert len(delays) == 3 and 150 <= delays[0] <= 2000, delays
assert m["dwMacroId"] >> 24 == 22 and m["dwRepeat"] == 1
PY

if [[ -n $shots ]]; then
  click_page 400 60        # the first line, then each editor
  click_page 375 426
  shot editor-key
  click_page 660 377
  shot editor-delay
  click_page 660 403
  shot editor-move
  click_page 175 60
  click_page 150 59        # the category button opens the menu
  sleep 0.5
  shot category-menu
fi
echo "macro page end-to-end: the recorded macro is in Macro.cfg"
