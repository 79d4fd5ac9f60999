#!/usr/bin/env bash
# The lighting page under X11 against oryn7px-emu: effects, swatches, own colours and touch
# chosen with the mouse, applied, and checked in the saved profile and on the mouse.
# Usage: lighting_gui_e2e.sh ORYN7PX ORYN7PX-EMU ORYN7PX-CLI PROGRAM_DIR
set -euo pipefail
. "$(dirname "$0")/gui_common.sh"

make_program_folder
seed_data_folder
start_emu
"$program/oryn7px" >>"$work/gui.log" 2>&1 &
pids+=($!)
wait_for 15 eval '[[ -n $(window) ]]' || fail "the main window did not appear: $(cat "$work/gui.log")"
w=$(window)

# Page points are window points less the page area's corner (15, 128).
click_page() { xdotool mousemove --window "$w" $(( $1 + 15 )) $(( $2 + 128 )) sleep 0.2 click 1 sleep 0.3; }
apply_and_wait() {
  # Under a loaded Xvfb the page may still be drawing the last click.
  sleep 1
  rm -f "$index"
  xdotool mousemove --window "$w" 900 612 sleep 0.2 click 1
  wait_for 20 test -e "$index" || fail "nothing saved after apply: $1"
}
profile_field() { python3 "$(dirname "$0")/lighting_fields.py" "$profile" "$1"; }
mouse() { emu --dump | python3 -c "import json,sys; d=json.load(sys.stdin); print($1)"; }

echo "== steady light, swatch 12, touch setting 2"
xdotool mousemove --window "$w" 295 103 sleep 0.2 click 1 sleep 0.5   # the lighting tab
click_page 248 95    # effect 1 radio
click_page 391 315   # swatch 12: row 1, column 5
click_page 603 174   # touch radio of value 2
apply_and_wait "steady light"
[[ $(profile_field "(mode, hex(colours[4]), source[4], preset[4], touch)") == "(1, '0xf80024', 0, 12, 2)" ]] ||
  fail "saved profile: $(profile_field "(mode, hex(colours[4]), source[4], preset[4], touch)")"
[[ $(mouse 'd["effect"]') == "[1, 5, 1]" ]] || fail "effect sent: $(mouse 'd["effect"]')"
# The colour goes out green, red, blue.
[[ $(mouse 'd["led_color"]') == "0024f8" ]] || fail "colour sent: $(mouse 'd["led_color"]')"
[[ $(mouse 'd["touch"]') == "144" ]] || fail "touch sent: $(mouse 'd["touch"]')"
[[ $(mouse 'd["color_table"]') == "None" ]] || fail "a colour table was sent for effect 1"

echo "== colour cycle with own colours: colour 2 is swatch 3"
emu --reset
click_page 263 124   # effect 5 radio
click_page 415 126   # own-colours box
click_page 562 125   # colour button 2
click_page 312 274   # swatch 3
apply_and_wait "colour cycle"
[[ $(profile_field "(mode, option, hex(colours[1]), source[1], preset[1])") == "(5, 1, '0xedf9', 0, 3)" ]] ||
  fail "saved profile: $(profile_field "(mode, option, hex(colours[1]), source[1], preset[1])")"
[[ $(mouse 'd["effect"]') == "[5, 2, 1]" ]] || fail "effect sent: $(mouse 'd["effect"]')"
[[ $(mouse 'd["color_table"]') == "ff0000f9ed00ff0000ff0000$(printf '0%.0s' {1..40})" ]] ||
  fail "colour table sent: $(mouse 'd["color_table"]')"
echo "all lighting page end-to-end checks passed"
