#!/usr/bin/env bash
# The program and `oryn7px-cli doctor` on the desktops users run: an X11 session (Xvfb), a Wayland
# session (Weston, headless, with XWayland, and Qt's own Wayland platform), and no display at
# all. Where the program starts, it says how desktop input reaches it, and doctor says the same.
# Usage: desktop_e2e.sh ORYN7PX ORYN7PX-EMU ORYN7PX-CLI PROGRAM_DIR
set -euo pipefail
. "$(dirname "$0")/gui_common.sh"
make_program_folder
start_emu
seed_data_folder

field() {  # field JSON_FILE KEY SUBKEY
  python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))[sys.argv[2]][sys.argv[3]])' "$@"
}
doctor() {  # doctor NAME [ENV...]: doctor --json into $work/NAME.json, its exit status into $status
  local name=$1; shift
  status=0
  env "$@" "$cli" doctor --json >"$work/$name.json" 2>"$work/$name.err" || status=$?
  [[ $status -le 1 ]] || fail "doctor ($name) exit $status: $(cat "$work/$name.err")"
}
# What the program says on start-up: "oryn7px: Desktop input: MODE[. ADVICE]".
said_input() { sed -n 's/^oryn7px: Desktop input: //p' "$1" | head -1; }
said_something() { [[ -n $(said_input "$1") ]]; }
start_program() {  # start_program LOG [ENV...]
  local log=$1; shift
  env "$@" "$program/oryn7px" >"$log" 2>&1 &
  gui_pid=$!
  pids+=("$gui_pid")
}
stop_program() {
  kill "$gui_pid" 2>/dev/null || true
  wait "$gui_pid" 2>/dev/null || true
}
agree() {  # agree NAME LOG: doctor's input line is what the program said
  wait_for 15 said_something "$2" || fail "$1: the program said nothing about desktop input: $(cat "$2")"
  [[ $(said_input "$2") == "$(field "$work/$1.json" input detail)" ]] \
    || fail "$1: program '$(said_input "$2")' but doctor '$(field "$work/$1.json" input detail)'"
}

# X11: the X11 backend, X11 pointer settings, everything needed works.
doctor x11
[[ $(field "$work/x11.json" session type) == x11 && $(field "$work/x11.json" input mode) == x11 &&
   $(field "$work/x11.json" pointer_settings backend) == x11 && $(field "$work/x11.json" foreground tracker) == x11 &&
   $status == 0 ]] \
  || fail "doctor on X11 (exit $status): $(cat "$work/x11.json")"
start_program "$work/gui-x11.log"
wait_for 15 eval '[[ -n $(window) ]]' || fail "no window on X11: $(cat "$work/gui-x11.log")"
agree x11 "$work/gui-x11.log"
# No tray on this display: Alt+F4 must not leave the window where nothing could bring it back.
xdotool windowfocus --sync "$(window)" key alt+F4
sleep 1
[[ -n $(window) ]] || fail "Alt+F4 without a tray hid the window"
kill -0 "$gui_pid" 2>/dev/null || fail "Alt+F4 without a tray ended the program"
stop_program

# No display: the command line still works, and says the program needs a desktop.
doctor none -u DISPLAY -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE
[[ $(field "$work/none.json" session type) == none && $(field "$work/none.json" input mode) == none &&
   $(field "$work/none.json" foreground tracker) == none && $status == 0 ]] \
  || fail "doctor without a display (exit $status): $(cat "$work/none.json")"

# Wayland: Weston without input devices, with XWayland for the program's windows.
weston_run=$work/weston-run
mkdir -m 700 "$weston_run"
XDG_RUNTIME_DIR=$weston_run weston --backend=headless-backend.so --xwayland --socket=oryn7px-wl \
  --width=1280 --height=800 >"$work/weston.log" 2>&1 &
pids+=($!)
wait_for 15 grep -q "xserver listening on display" "$work/weston.log" || fail "weston did not start: $(cat "$work/weston.log")"
xwayland=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log" | head -1)
wayland=(XDG_RUNTIME_DIR="$weston_run" WAYLAND_DISPLAY=oryn7px-wl XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=weston)

doctor wayland "${wayland[@]}" DISPLAY="$xwayland"
mode=$(field "$work/wayland.json" input mode)
[[ $(field "$work/wayland.json" session type) == wayland && $mode =~ ^(evdev|evdev-observe|none)$ &&
   $(field "$work/wayland.json" pointer_settings backend) == none &&
   $(field "$work/wayland.json" foreground tracker) == none &&
   $(field "$work/wayland.json" foreground detail) == "not on this Wayland compositor"* ]] \
  || fail "doctor on Weston: $(cat "$work/wayland.json")"
# Weston has no pointer settings the program can set, so something needed never works there.
[[ $status == 1 ]] || fail "doctor on Weston exits $status although pointer settings cannot be applied"

start_program "$work/gui-xwayland.log" "${wayland[@]}" DISPLAY="$xwayland"
wait_for 20 eval '[[ -n $(DISPLAY=$xwayland xdotool search --name "^$title\$" 2>/dev/null) ]]' \
  || fail "no window through XWayland: $(cat "$work/gui-xwayland.log")"
agree wayland "$work/gui-xwayland.log"
stop_program

# Qt's own Wayland platform, where no XWayland is offered.
start_program "$work/gui-native.log" -u DISPLAY "${wayland[@]}"
agree wayland "$work/gui-native.log"
sleep 2
kill -0 "$gui_pid" 2>/dev/null || fail "the program ended on Qt's Wayland platform: $(cat "$work/gui-native.log")"
grep -qi "could not \(find\|load\) the qt platform plugin" "$work/gui-native.log" \
  && fail "no Wayland platform plugin: $(cat "$work/gui-native.log")"
stop_program

echo "desktop: x11, no display, Weston through XWayland and natively: doctor and the program agree (Wayland: $mode)"
