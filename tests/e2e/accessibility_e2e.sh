#!/usr/bin/env bash
# What a screen reader gets over AT-SPI: the program runs under Xvfb with a session bus and the
# accessibility bus, against the virtual mouse, and atspi_tree.py reads its tree as a client.
# The page tabs, the DPI sliders with their values and Apply are there by role and name; a click
# on a node's place (from its AT-SPI extents) reaches that control; the firmware check's answer
# box reads its message and OK; after German is chosen in the language menu the same nodes read
# German, and a listener hears of each name change.
# Usage: accessibility_e2e.sh ORYN7PX ORYN7PX-EMU ORYN7PX-CLI PROGRAM_DIR
set -euo pipefail
if [[ -z ${ORYN7PX_E2E_OWN_BUS:-} ]]; then
  ORYN7PX_E2E_OWN_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
. "$(dirname "$0")/gui_common.sh"
tree_reader=$(dirname "$0")/atspi_tree.py

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
pids+=($!)

# The firmware check asks a local server, which offers the version the mouse has.
mkdir -p "$work/site"
python3 "$(dirname "$0")/../support/local_http_server.py" "$work/site" "$work/port" &
pids+=($!)
wait_for 5 test -s "$work/port" || fail "the local server did not start"
printf '<?xml version="1.0" encoding="utf-8"?>\n<update><firmware><current>103</current></firmware></update>\n' \
  >"$work/site/update.xml"
export ORYN7PX_UPDATE_URL=http://127.0.0.1:$(cat "$work/port")/update.xml

make_program_folder
seed_data_folder
start_emu --firmware 103
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program/oryn7px" >"$work/gui.log" 2>&1 &
pids+=($!)

# read_tree TEXT: the tree once a node named TEXT shows, in $work/tree.
read_tree() {
  /usr/bin/python3 "$tree_reader" oryn7px "$1" 20 >"$work/tree" 2>"$work/tree.err" ||
    fail "no node \"$1\": $(cat "$work/tree.err")"$'\n'"$(cat "$work/tree")"
}
expect_node() {  # expect_node LINE-PATTERN (grep -E, on the whole line but its indentation)
  grep -Eq "^ *$1" "$work/tree" || fail "no node like [$1] in:"$'\n'"$(cat "$work/tree")"
}
click_node() {  # click_node ROLE NAME: a click in the middle of the node's extents
  local at
  at=$(grep -E "^ *$1 \"$2\"" "$work/tree" | head -1 | sed -E 's/.* at=([-0-9]+),([-0-9]+),([0-9]+),([0-9]+)$/\1 \2 \3 \4/')
  [[ $at =~ ^-?[0-9]+\ -?[0-9]+\ [0-9]+\ [0-9]+$ ]] || fail "no place for $1 \"$2\""
  read -r x y w h <<<"$at"
  xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
}
lang() { "$cli" lang get "$built/Language/ger.xml" "$1"; }

echo "== the main window: page tabs, DPI sliders with values, Apply"
read_tree APPLY
expect_node 'page tab "MAIN" \[selected\]'
for tab in LIGHTING MACROS STATISTICS SUPPORT; do expect_node "page tab \"$tab\""; done
values=(10 15 20 25 30 40 50)  # the default profile's DPI levels, 500 to 2500 in steps of 50
for level in 1 2 3 4 5 6 7; do
  expect_node "slider \"DPI LEVELS $level\" value=${values[$((level - 1))]}\\(1\\.\\.144\\)"
done
expect_node 'label "1250"'
expect_node 'push button "APPLY"'
expect_node 'radio button "1000 Hz" \[checked\]'

echo "== the support page through its tab's place; the firmware check's answer box"
click_node "page tab" SUPPORT
read_tree Update
# A click gives the tab the keyboard's focus too.
expect_node 'page tab "SUPPORT" \[selected,focused\]'
expect_node 'label "V 1.0.3"'
click_node "push button" Update
read_tree "Firmware is the latest version."
expect_node 'dialog "Tips"'
expect_node 'label "Firmware is the latest version."'
expect_node 'push button "OK"'
click_node "push button" OK
wait_for 5 eval '! xdotool search --onlyvisible --name TavikORYN7PXInfoDlg >/dev/null 2>&1' || fail "the box stayed open"

echo "== German from the language menu: the same nodes read German, and say so"
/usr/bin/python3 "$(dirname "$0")/atspi_events.py" >"$work/events" 2>&1 &
pids+=($!)
wait_for 10 grep -q listening "$work/events" || fail "the event listener did not start: $(cat "$work/events")"
read_tree LANG
click_node "push button" LANG
read_tree German
expect_node 'popup menu "LANG"'
click_node "menu item" German
read_tree "$(lang cap_apply)"
cp "$work/tree" "$work/german-tree"
expect_node "page tab \"$(lang cap_tab_support)\" \\[selected\\]"
expect_node "page tab \"$(lang cap_tab_main)\""
expect_node "push button \"$(lang cap_apply)\""
expect_node "panel \"$(lang str_about)\""
grep -Eq '"(MAIN|LIGHTING|APPLY|Update|Driver version)"' "$work/tree" && fail "English names left:"$'\n'"$(cat "$work/tree")"
for renamed in "page tab \"$(lang cap_tab_main)\"" "push button \"$(lang cap_apply)\"" "panel \"$(lang str_about)\""; do
  wait_for 5 grep -qF "$renamed" "$work/events" || fail "no name change to [$renamed] heard:"$'\n'"$(cat "$work/events")"
done
click_node "page tab" "$(lang cap_tab_main)"
read_tree "$(lang cap_dpi_levels) 1"
expect_node "slider \"$(lang cap_dpi_levels) 7\" value=50\\(1\\.\\.144\\)"
expect_node "slider \"$(lang cap_pointer_speed)\" value=10\\(1\\.\\.20\\)"
echo "accessibility end-to-end checks passed"
