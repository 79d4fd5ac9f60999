#!/usr/bin/env bash
# First start on a fresh account: no data folder yet, the program under X11 against oryn7px-emu.
# The main window comes up without any box, the data folder holds what an installation holds, and
# unplugging the mouse ends the program without waiting for anyone. With a picture path, the
# window is saved there (scripts/package takes the AppStream screenshot this way).
# Usage: first_start_e2e.sh ORYN7PX ORYN7PX-EMU [WINDOW.png]
set -euo pipefail
source "$(dirname "$0")/common.sh"
gui=$1 emu=$2 shot=${3:-}
new_user
export ORYN7PX_EMULATOR=$work/emu.sock
data=$XDG_DATA_HOME/TAVIK/ORYN7PX
title="Tavik ORYN7PX Gaming Mouse Driver"

"$emu" --socket "$ORYN7PX_EMULATOR" >"$work/emu.log" 2>&1 &
pids+=($!)
wait_for 5 test -S "$ORYN7PX_EMULATOR" || fail "oryn7px-emu did not start"
LANG=en_US.UTF-8 "$gui" >"$work/gui.log" 2>&1 &
gui_pid=$!
pids+=("$gui_pid")

main_window() { xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -1; }
# Every visible window of the program that is not the main window: a box of any kind.
other_windows() {
  local main; main=$(main_window)
  xdotool search --onlyvisible --pid "$gui_pid" 2>/dev/null | grep -v -x "${main:-none}" || true
}
wait_for 30 eval '[[ -n $(main_window) ]] || [[ -n $(other_windows) ]]' || fail "no window appeared"
[[ -n $(other_windows) ]] && fail "a box appeared at the first start: $(xdotool getwindowname $(other_windows | head -1))"
sleep 2  # the language switch runs after the window is up
[[ -z $(other_windows) ]] || fail "a box appeared after the first start: $(xdotool getwindowname $(other_windows | head -1))"
[[ -n $(main_window) ]] || fail "the main window went away"

expected="Language.cfg 4
Macro.cfg 2052000
Profile/ConfigInfo.cfg 8020
Profile/Profile1.cfg 25412
Profile/Profile2.cfg 25412
Profile/Profile3.cfg 25412
Profile/Profile4.cfg 25412
Profile/Profile5.cfg 25412
Sts.cfg 24"
actual=$(cd "$data" && find . -type f -printf '%P %s\n' | LC_ALL=C sort)
[[ $actual == "$expected" ]] || fail "the fresh data folder holds
$actual"
[[ $(od -An -tu4 "$data/Language.cfg" | tr -d ' ') == 2 ]] || fail "Language.cfg is not English"

if [[ -n $shot ]]; then
  mkdir -p "$(dirname "$shot")"
  import -window "$(main_window)" "$shot"
fi

# The close sequence saves the macro library: it must not stop at a box about a missing file.
"$emu" --socket "$ORYN7PX_EMULATOR" --unplug
wait_for 20 eval '! kill -0 "$gui_pid" 2>/dev/null' || fail "the program did not end after unplugging"
echo "first start: no box, $(echo "$expected" | wc -l) files, the program ended after unplugging"
