#!/usr/bin/env bash
# The program at 200 % under X11 (QT_SCALE_FACTOR=2 on a screen large enough for it): the window
# keeps its 957 × 636 layout, now 1914 × 1272 pixels, shows the 2x pictures pixel for pixel, and
# a click on a tab, even beside its neighbour's slanted edge, switches the page.
# Usage: scale_e2e.sh ORYN7PX ORYN7PX-EMU ORYN7PX-CLI PROGRAM_DIR
set -euo pipefail
e2e_screen=2600x1700x24
. "$(dirname "$0")/gui_common.sh"

make_program_folder
seed_data_folder
start_emu
QT_SCALE_FACTOR=2 "$program/oryn7px" >>"$work/gui.log" 2>&1 &
pids+=($!)
wait_for 15 eval '[[ -n $(window) ]]' || fail "the main window did not appear"
w=$(window)
xdotool mousemove 0 0  # away from the window, so no control shows its hover look
sleep 0.5

# The window's own pixels, as the screen shows them.
shoot() {  # shoot FILE
  eval "$(xdotool getwindowgeometry --shell "$w")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$1"
}
# The colour at a point given in window units, as "r g b".
colour_at() {  # colour_at SHOT X Y
  convert "$1" -crop "1x1+$(( $2 * 2 ))+$(( $3 * 2 ))" -depth 8 txt:- |
    sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p' | head -1
}
saturated() {  # saturated R G B: the wheel's colours, not the dark panels
  (( $(printf '%s\n' "$@" | sort -n | tail -1) - $(printf '%s\n' "$@" | sort -n | head -1) > 100 ))
}
click_at() {  # click_at X Y, in window units
  xdotool mousemove --window "$w" $(( $1 * 2 )) $(( $2 * 2 )) sleep 0.2 click 1 sleep 0.8 mousemove 0 0 sleep 0.3
}

echo "== the window is 957 × 636 window units, 1914 × 1272 pixels"
eval "$(xdotool getwindowgeometry --shell "$w")"
[[ $WIDTH == 1914 && $HEIGHT == 1272 ]] || fail "the window is ${WIDTH} × ${HEIGHT} pixels"

echo "== the frame shows its 2x picture pixel for pixel (the brand, drawn in the picture)"
shoot "$work/main.png"
brand=400x68+52+24  # window units 26..226 × 12..46
convert "$work/main.png" -crop "$brand" +repage "$work/brand-shown.png"
convert "$built/skins/Frame_Normal@2x.bmp" -crop "$brand" +repage "$work/brand-picture.png"
differing=$(compare -metric AE "$work/brand-shown.png" "$work/brand-picture.png" null: 2>&1 || true)
[[ $differing == 0 ]] || fail "$differing pixels of the brand differ from Frame_Normal@2x.bmp"

# The lighting page's colour wheel: page point (856, 304), the page area starting at (15, 128).
wheel_x=871 wheel_y=432
saturated $(colour_at "$work/main.png" $wheel_x $wheel_y) && fail "the main page shows a wheel colour"

echo "== a click beside the first tab's slanted edge opens the lighting page"
click_at 205 90
shoot "$work/lighting.png"
saturated $(colour_at "$work/lighting.png" $wheel_x $wheel_y) ||
  fail "no colour wheel after the lighting tab: $(colour_at "$work/lighting.png" $wheel_x $wheel_y)"

echo "== a click on the main tab opens the main page again"
click_at 110 103
shoot "$work/main-again.png"
saturated $(colour_at "$work/main-again.png" $wheel_x $wheel_y) && fail "the lighting page stays after the main tab"
echo "all scale end-to-end checks passed"
