#!/usr/bin/env bash
# oryn7px-cli monitor sees keys, buttons and the wheel; an intercepted button reaches no other X client.
set -u
. "$(dirname "$0")/common.sh"

start_witness() {  # name
    "$witness" > "$work/$1" &
    pids+=($!)
    wait_for "$work/$1" '^ready$' || { echo "the witness window did not appear"; exit 1; }
    xdotool mousemove 100 100
}

start_monitor() {  # name, options...
    local name=$1; shift
    TMPDIR=$work "$cli" monitor --seconds 20 "$@" > "$work/$name.out" 2> "$work/$name.err" &
    pids+=($!)
    wait_for "$work/$name.err" 'watching' || fail "$name: monitor did not start: $(cat "$work/$name.err")"
}

# 1. Plain observation: everything is seen and still reaches the witness.
start_witness witness1
start_monitor watch
xdotool key a
xdotool click 9
xdotool click 4
xdotool click 5
for line in 'UM_HOOK_INPUT vk=0x41 flags=0x0' 'UM_HOOK_INPUT vk=0x41 flags=0x80' 'UM_HOOK_INPUT code=0x2020b' \
            'UM_HOOK_INPUT code=0x2020c' 'UM_HOOK_INPUT code=0x20a01' 'UM_HOOK_INPUT code=0x20a00'; do
    wait_for "$work/watch.out" "^$line\$" || fail "watch: missing '$line'"
done
grep -q 'UM_HOST_ACTION' "$work/watch.out" && fail "watch: a press was reported as a host action without --notify-all"
wait_for "$work/witness1" '^button 9$' || fail "the witness did not see button 9 without an intercept"
kill "${pids[-1]}" "${pids[-2]}"

# 2. Intercepting the forward button: the monitor reports it, the witness never receives it.
start_witness witness2
start_monitor intercept --intercept 0x2020B
xdotool click 9
xdotool click 8
wait_for "$work/intercept.out" '^UM_HOST_ACTION code=0x2020b$' || fail "intercept: no UM_HOST_ACTION code=0x2020b"
wait_for "$work/witness2" '^button 8$' || fail "intercept: the witness did not see the back button"
grep -q '^button 9$' "$work/witness2" && fail "intercept: the witness received the intercepted button 9"
kill -INT "${pids[-1]}"
wait "${pids[-1]}" || fail "intercept: monitor did not end cleanly on Ctrl+C"

# 3. Once the monitor has ended the grab is gone.
xdotool click 9
wait_for "$work/witness2" '^button 9$' || fail "button 9 still kept from the witness after the monitor ended"

# 4. Without a display the hooks are not installed, and the log says why.
mkdir -p "$work/TAVIK/ORYN7PX"
if env -u DISPLAY -u WAYLAND_DISPLAY TMPDIR=$work "$cli" monitor --seconds 1 > /dev/null 2> "$work/nodisplay.err"; then
    fail "no display: monitor succeeded"
fi
grep -q 'neither DISPLAY nor WAYLAND_DISPLAY is set' "$work/nodisplay.err" || fail "no display: no reason given: $(cat "$work/nodisplay.err")"
grep -qE '^\[WARN\] Desktop input: none\. No desktop session.*'$'\t\t\t''\[[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9:]{8}\]$' "$work/TAVIK/ORYN7PX/LogFile.txt" \
    || fail "no display: the log has no warning line"

[ "$failures" -eq 0 ] && echo "monitor end-to-end: all checks passed"
exit $((failures > 0))
