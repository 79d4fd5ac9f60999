#!/usr/bin/env bash
# oryn7px-cli apply writes the active profile to the mouse served by oryn7px-emu, saves it only
# when the mouse accepted it, and reports a failed step by its exit status.
set -euo pipefail
emu=$1
cli=$2
work=$(mktemp -d)
socket=$work/emu.sock
data=$work/data
daemon=
cleanup() {
  if [[ -n $daemon ]] && kill -0 "$daemon" 2>/dev/null; then kill "$daemon"; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
mkdir -p "$data"

"$emu" --socket "$socket" --strict-timing >"$work/emu.log" 2>&1 &
daemon=$!
for _ in $(seq 50); do [[ -S $socket ]] && break; sleep 0.1; done
[[ -S $socket ]] || fail "the daemon did not start: $(cat "$work/emu.log")"
export ORYN7PX_EMULATOR=$socket

# A refused key matrix: failure code 0, exit 10, no index written.
"$emu" --socket "$socket" --fail 0x12
set +e
err=$("$cli" --data-dir "$data" apply 2>&1 >/dev/null)
status=$?
set -e
[[ $status -eq 10 ]] || fail "exit status $status for a refused key matrix"
grep -qx 'write mousekey metix fail.' <<<"$err" || fail "failure text: $err"
[[ ! -e $data/Profile/ConfigInfo.cfg ]] || fail "the index was saved after a failed pass"
"$emu" --socket "$socket" --clear-faults --reset

# Profile 2 becomes active, reaches the mouse and is saved with the index.
"$cli" --data-dir "$data" apply --profile 2 >"$work/out" 2>"$work/progress" || fail "apply: $(cat "$work/progress")"
grep -qx '100%' "$work/progress" || fail "no progress to 100%: $(cat "$work/progress")"
[[ $(stat -c %s "$data/Profile/Profile2.cfg") -eq 25412 ]] || fail "Profile2.cfg not saved"
[[ $(stat -c %s "$data/Profile/ConfigInfo.cfg") -eq 8020 ]] || fail "ConfigInfo.cfg not saved"
"$cli" --data-dir "$data" profiles | grep -q '^2 .* yes ' || fail "profile 2 not active: $("$cli" --data-dir "$data" profiles)"
# Without a valid index entry the program starts with profile 1: apply says so, and profiles and
# show agree with it.
grep -q 'still start with profile 1' "$work/out" || fail "apply does not say which profile starts: $(cat "$work/out")"
"$cli" --data-dir "$data" profiles | grep -q '^1 .* yes    /' || fail "profiles disagrees: $("$cli" --data-dir "$data" profiles)"
"$cli" --data-dir "$data" show --json 2>/dev/null | grep -q '"profile": 1' || fail "show disagrees"

"$emu" --socket "$socket" --dump >"$work/dump.json"
python3 - "$work/dump.json" <<'PY'
import json, sys
dump = json.load(open(sys.argv[1]))
matrix = dump["key_matrix"]
assert matrix[:7] == ["0x00F00001", "0x00F10001", "0x00F20001", "0x00030007", "0x00F30001", "0x00F40001", "0x0002000A"], matrix
assert matrix[14:] == ["0x00010004", "0x00020004"], matrix
assert dump["effect"] == [5, 2, 0] and dump["report_rate"] == 1, dump
assert dump["dpi_table"] == "0a0f14191e283202" * 2, dump["dpi_table"]
assert dump["violations"] == [], dump["violations"]
PY
# Faults the mouse can show: each fails the pass with its own text and status, keeps the saved
# files as they were (a save replaces a file, so its inode would change), and once the mouse is
# back (plugged in again, faults cleared) the next apply succeeds and saves.
# The default profile's pass sends 0x12 (+2 data reports), 0x0D, 0x03, 0x11 (+1), 0x0B, 0x01.
inodes() { ls -i "$data/Profile" | sort -k2; }
while IFS='|' read -r faults status text; do
  before=$(inodes)
  # shellcheck disable=SC2086
  "$emu" --socket "$socket" $faults
  set +e
  err=$("$cli" --data-dir "$data" apply 2>&1 >/dev/null)
  got=$?
  set -e
  [[ $got -eq $status ]] || fail "$faults: exit status $got, expected $status ($err)"
  grep -qx "$text" <<<"$err" || fail "$faults: failure text: $err"
  [[ $(inodes) == "$before" ]] || fail "$faults: files were saved after a failed pass"
  "$emu" --socket "$socket" --clear-faults --plug
  "$cli" --data-dir "$data" apply >/dev/null 2>"$work/progress" || fail "$faults: no recovery: $(cat "$work/progress")"
  [[ $(inodes) != "$before" ]] || fail "$faults: the recovered pass was not saved"
done <<'CASES'
--fail 0x01|16|Write mouse report rate failed.
--unplug-after 8|16|Write mouse report rate failed.
--unplug-after 1|10|write mousekey metix fail.
--time-out 0x0d|12|Write mouse effect failed.
CASES

echo "apply e2e: ok"
