#!/usr/bin/env bash
# oryn7px-emu serves a mouse; oryn7px-cli finds it through ORYN7PX_EMULATOR and reads its
# firmware version; --dump shows the 0x80 exchange; faults and presence act on the daemon.
set -euo pipefail
emu=$1
cli=$2
work=$(mktemp -d)
socket=$work/emu.sock
daemon=
cleanup() {
  if [[ -n $daemon ]] && kill -0 "$daemon" 2>/dev/null; then kill "$daemon"; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$emu" --socket "$socket" --report-id 7 --report-count 64 --firmware 123 --strict-timing >"$work/emu.log" 2>&1 &
daemon=$!
for _ in $(seq 50); do [[ -S $socket ]] && break; sleep 0.1; done
[[ -S $socket ]] || fail "the daemon did not start: $(cat "$work/emu.log")"

out=$(ORYN7PX_EMULATOR=$socket "$cli" info)
echo "$out"
grep -q '^Interface: *virtual:oryn7px' <<<"$out" || fail "interface"
grep -q '^Report ID: *0x07$' <<<"$out" || fail "report ID"
grep -q '^Report count: *64$' <<<"$out" || fail "report count"
grep -q '^Firmware version: *123 (V 1.2.3)$' <<<"$out" || fail "firmware version"

"$emu" --socket "$socket" --dump >"$work/dump.json"
python3 - "$work/dump.json" <<'PY'
import json, sys
dump = json.load(open(sys.argv[1]))
assert dump["plugged"] is True and dump["report_id"] == 7 and dump["report_count"] == 64, dump
assert dump["firmware_version"] == 123 and dump["report_rate"] is None and dump["key_matrix"] is None, dump
log = dump["log"]
assert [e["kind"] for e in log] == ["feature", "get_feature"], log
assert log[0]["hex"] == "0780" + "00" * 63, log[0]
assert log[1]["hex"].startswith("07800c03"), log[1]
assert log[1]["t_ms"] - log[0]["t_ms"] >= 45, log
assert dump["violations"] == [], dump["violations"]
PY

# A refused 0x80 command: the mouse is found but gives no version.
"$emu" --socket "$socket" --fail 0x80
if ORYN7PX_EMULATOR=$socket "$cli" info >"$work/out" 2>&1; then fail "a refused version read succeeded"; fi
grep -q 'Unknown' "$work/out" || fail "refused version: $(cat "$work/out")"
"$emu" --socket "$socket" --clear-faults --reset

# An unplugged mouse cannot be found, with the start-up message and exit status 1.
"$emu" --socket "$socket" --unplug
set +e
err=$(ORYN7PX_EMULATOR=$socket "$cli" info 2>&1 >/dev/null)
status=$?
set -e
[[ $status -eq 1 ]] || fail "exit status $status for a missing mouse"
[[ $err == "The ORYN7PX gaming mouse cannot be found." ]] || fail "message: $err"
"$emu" --socket "$socket" --plug
ORYN7PX_EMULATOR=$socket "$cli" info >/dev/null || fail "replugged mouse not found"

# The in-process mouse needs no daemon.
"$cli" --virtual-mouse info | grep -q '^Firmware version: *103 (V 1.0.3)$' || fail "--virtual-mouse"

"$emu" --socket "$socket" --quit
wait "$daemon" || fail "the daemon did not end cleanly"
daemon=
[[ ! -e $socket ]] || fail "the socket was left behind"
echo "PASS"
