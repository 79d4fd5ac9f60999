#!/usr/bin/env bash
# Profiles that follow the program in front, on X11 with Openbox, against oryn7px-emu: rules
# written with oryn7px-cli beside the running program; two windows of different classes focused
# in turn; the virtual mouse holds each one's profile, and a switch writes only what differs.
# Usage: follow_programs_e2e.sh ORYN7PX ORYN7PX-EMU ORYN7PX-CLI PROGRAM_DIR TEST_WINDOW
set -euo pipefail
. "$(dirname "$0")/gui_common.sh"
test_window=$5

openbox --startup "touch $work/wm-ready" >/dev/null 2>&1 &
pids+=($!)
wait_for 10 test -e "$work/wm-ready" || fail "openbox did not start"

dpi_table() { emu --dump | python3 -c 'import json,sys; print(json.load(sys.stdin)["dpi_table"])'; }
key_matrix_writes() {
  emu --dump | python3 -c 'import json,sys; print(sum(1 for e in json.load(sys.stdin)["log"] if e["kind"] == "feature" and e["hex"][2:4] == "12"))'
}
holds() { [[ $(dpi_table) == "$1" ]]; }
active_profile() {  # the profile ConfigInfo.cfg marks active, as `oryn7px-cli profiles` reads it
  "$cli" profiles | awk 'NR > 1 && $3 == "yes" { print $1 }'
}
focus() { xdotool search --sync --onlyvisible --name "^$1\$" windowactivate --sync >/dev/null; }

echo "== three profiles that differ in DPI, and what the mouse holds after each"
start_emu
seed_data_folder
"$cli" dpi --profile 2 1 800 >/dev/null
"$cli" dpi --profile 3 1 1600 >/dev/null
declare -A table
for p in 3 2 1; do
  "$cli" apply --profile "$p" >/dev/null 2>&1 || fail "apply --profile $p"
  table[$p]=$(dpi_table)
done
[[ ${table[1]} != "${table[2]}" && ${table[2]} != "${table[3]}" ]] || fail "the profiles' DPI tables do not differ"

echo "== the program and two windows of different classes"
make_program_folder
"$program/oryn7px" >"$work/gui.log" 2>&1 &
pids+=($!)
wait_for 15 eval '[[ -n $(window) ]]' || fail "the main window did not appear"
ln -s "$test_window" "$work/alpha_game"
ln -s "$test_window" "$work/beta_game"
"$work/alpha_game" alpha "Alpha window" >/dev/null 2>&1 &
pids+=($!)
"$work/beta_game" beta "Beta window" >/dev/null 2>&1 &
pids+=($!)
wait_for 10 eval '[[ -n $(xdotool search --onlyvisible --name "^Beta window\$") ]]' || fail "the test windows did not appear"

echo "== rules written beside the running program are followed"
"$cli" rules add 2 alpha_game >/dev/null
"$cli" rules add 3 beta_game >/dev/null
"$cli" rules on >/dev/null
focus "Alpha window"
wait_for 10 holds "${table[2]}" || fail "alpha_game in front: the mouse holds $(dpi_table), not profile 2's"
[[ $(active_profile) == 2 ]] || fail "profile 2 is not the active one after the switch"
focus "Beta window"
wait_for 10 holds "${table[3]}" || fail "beta_game in front: the mouse holds $(dpi_table), not profile 3's"
[[ $(active_profile) == 3 ]] || fail "profile 3 is not the active one after the switch"

echo "== a switch between profiles that differ in DPI only writes no key matrix"
matrices=$(key_matrix_writes)
focus "Alpha window"
wait_for 10 holds "${table[2]}" || fail "alpha_game in front again: the mouse holds $(dpi_table)"
[[ $(key_matrix_writes) == "$matrices" ]] || fail "the switch wrote the key matrix again"

echo "== the programs dialog opens from a right click on a profile button"
main=$(window)
xdotool windowactivate --sync "$main" mousemove --window "$main" 475 621 click 3
wait_for 10 eval '[[ -n $(xdotool search --onlyvisible --name "^TavikORYN7PXProgramsDlg\$") ]]' ||
  fail "no programs dialog after a right click on profile 2"
programs=$(xdotool search --onlyvisible --name "^TavikORYN7PXProgramsDlg\$" | head -1)
xdotool mousemove --window "$programs" 366 400 click 1  # Cancel
wait_for 10 eval '[[ -z $(xdotool search --onlyvisible --name "^TavikORYN7PXProgramsDlg\$") ]]' ||
  fail "the programs dialog stays after Cancel"
[[ $("$cli" rules --json | python3 -c 'import json,sys; print(json.load(sys.stdin)["profiles"]["2"])') == "['alpha_game']" ]] ||
  fail "Cancel changed the rules"

echo "== following off from the command line: the profile stays"
"$cli" rules off >/dev/null
sleep 1
focus "Beta window"
sleep 2
holds "${table[2]}" || fail "the profile followed beta_game with following off"

echo "PASS"
