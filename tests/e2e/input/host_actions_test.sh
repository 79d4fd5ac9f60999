#!/usr/bin/env bash
# oryn7px-cli monitor --host-actions: a back button set to run a program runs it, keeps the press
# from other programs and logs the action; a button whose host action was replaced stays ordinary.
set -u
. "$(dirname "$0")/common.sh"

# A program that leaves a marker; the space and the semicolon would break any shell command line.
mkdir -p "$work/my tools"
program="$work/my tools/leave marker;x"
printf '#!/bin/sh\necho ran > "%s"\n' "$work/marker" > "$program"
chmod +x "$program"

# A fresh data folder, then the back button (index 4) runs the program; the forward button (3)
# had a host action once and is "Forward" again, its old kind left behind.
data=$work/data
mkdir -p "$data"
"$cli" --data-dir "$data" show > /dev/null 2>&1 || { echo "could not create the default profile"; exit 1; }
python3 - "$data/Profile/Profile1.cfg" "$program" <<'PY' || exit 1
import struct, sys
path, program = sys.argv[1], sys.argv[2]
data = bytearray(open(path, "rb").read())
def button(i): return 4 + i * 3148
struct.pack_into("<I", data, button(4) + 0, 19)
struct.pack_into("<I", data, button(4) + 8, 0xD0)
name = program.encode("utf-16-le")
data[button(4) + 24:button(4) + 24 + len(name) + 2] = name + b"\0\0"
struct.pack_into("<I", data, button(3) + 8, 0xD0)
open(path, "wb").write(data)
PY

mkdir -p "$work/TAVIK/ORYN7PX"
"$witness" > "$work/witness" &
pids+=($!)
wait_for "$work/witness" '^ready$' || { echo "the witness window did not appear"; exit 1; }
xdotool mousemove 100 100
TMPDIR=$work "$cli" --data-dir "$data" monitor --host-actions --seconds 20 > "$work/out" 2> "$work/err" &
pids+=($!)
wait_for "$work/err" 'watching' || fail "monitor did not start: $(cat "$work/err")"

xdotool click 8
xdotool click 9
wait_for "$work/marker" '^ran$' || fail "the back button did not run the program"
wait_for "$work/out" '^UM_HOST_ACTION code=0x1020b$' || fail "no UM_HOST_ACTION for the back button"
wait_for "$work/out" '^UM_HOST_ACTION code=0x2020b$' || fail "the forward press was not reported to the main window"
wait_for "$work/witness" '^button 9$' || fail "the forward button was kept from other programs"
grep -q '^button 8$' "$work/witness" && fail "the back button reached another program"
log=$work/TAVIK/ORYN7PX/LogFile.txt
expected="[ERROR] dwKey = 0x1020b, dwKeyFunction = 0xd0, PathName = $program"$'\t\t\t'
grep -qF "$expected" "$log" 2>/dev/null || fail "no log line '$expected' in: $(cat "$log" 2>/dev/null)"
[ "$(grep -c 'dwKey' "$log" 2>/dev/null)" -eq 1 ] || fail "expected exactly one action in the log"

[ "$failures" -eq 0 ] && echo "host actions end-to-end: all checks passed"
exit $((failures > 0))
