#!/usr/bin/env bash
# oryn7px-cli stats: the counts of Sts.cfg as the page shows them, damaged files, and the reset.
set -uo pipefail
. "$(dirname "$0")/cli_common.sh"
counts() {  # six little-endian 32-bit counters into Sts.cfg
  python3 -c 'import struct, sys; open(sys.argv[1], "wb").write(struct.pack("<6I", *map(int, sys.argv[2:])))' "$@"
}

"$cli" --data-dir "$data" stats --json >"$work/empty.json" 2>"$work/empty.err"
check "stats without Sts.cfg exits 0" [ $? -eq 0 ]
check "stats without Sts.cfg says so on stderr" grep -q "Failed to open file, check whether there is a $data/Sts.cfg path?" "$work/empty.err"
check "stats without Sts.cfg shows zeros" python3 -c '
import json, sys
d = json.load(open(sys.argv[1]))
assert d == {"left": 0, "middle": 0, "right": 0, "wheel_up": 0, "wheel_down": 0, "move_distance": 0,
             "total_clicks": 0, "total_wheel": 0, "distance": "0.00", "level": 0}, d' "$work/empty.json"
check "stats does not create Sts.cfg" [ ! -e "$data/Sts.cfg" ]

counts "$data/Sts.cfg" 2000000 500000 500000 300000 300001 123456789
check "stats --json" python3 -c '
import json, subprocess, sys
d = json.loads(subprocess.check_output([sys.argv[1], "--data-dir", sys.argv[2], "stats", "--json"]))
assert (d["left"], d["middle"], d["right"], d["wheel_up"], d["wheel_down"]) == (2000000, 500000, 500000, 300000, 300001), d
assert d["total_clicks"] == 3000000 and d["total_wheel"] == 600001, d
assert d["move_distance"] == 123456789 and d["distance"] == "12345.68", d
assert d["level"] == 7, d' "$cli" "$data"
"$cli" --data-dir "$data" stats >"$work/text.out" 2>&1
check "stats as text" grep -qx "Total clicks  3000000" "$work/text.out"
check "stats as text shows the distance" grep -qx "Distance      12345.68" "$work/text.out"
check "stats as text shows the level" grep -qx "Trophy level  7" "$work/text.out"

# Counters past 2^31 and totals past 2^32 are shown whole, not negative or wrapped.
counts "$data/Sts.cfg" 4294967295 4294967295 1 0 0 0
check "large counters" python3 -c '
import json, subprocess, sys
d = json.loads(subprocess.check_output([sys.argv[1], "--data-dir", sys.argv[2], "stats", "--json"]))
assert d["left"] == 4294967295 and d["total_clicks"] == 8589934591 and d["level"] == 12, d' "$cli" "$data"

# Damaged files: short ones load what they hold, long ones their first 24 bytes, none fails.
printf '\x05\x00\x00\x00\x06\x00\x00\x00\x07\x00\x00\x00' >"$data/Sts.cfg"
check "a 12-byte file gives the first three counters" python3 -c '
import json, subprocess, sys
d = json.loads(subprocess.check_output([sys.argv[1], "--data-dir", sys.argv[2], "stats", "--json"]))
assert (d["left"], d["middle"], d["right"], d["wheel_up"], d["move_distance"]) == (5, 6, 7, 0, 0), d' "$cli" "$data"
for size in 0 1 23 25 4096; do
  head -c "$size" /dev/urandom >"$data/Sts.cfg"
  check "a $size-byte file does not fail" [ "$(status_of "$cli" --data-dir "$data" stats --json)" -eq 0 ]
done
rm -f "$data/Sts.cfg"; mkdir "$data/Sts.cfg"
check "a folder named Sts.cfg does not fail" [ "$(status_of "$cli" --data-dir "$data" stats)" -eq 0 ]
rmdir "$data/Sts.cfg"

# Reset.
counts "$data/Sts.cfg" 1 2 3 4 5 6
check "reset without --yes and without a terminal is refused" [ "$(status_of "$cli" --data-dir "$data" stats reset </dev/null)" -eq 1 ]
check "a refused reset keeps the counts" [ "$(od -An -tu4 -N4 "$data/Sts.cfg" | tr -d ' ')" = 1 ]
check "reset with a bad option is a usage error" [ "$(status_of "$cli" --data-dir "$data" stats reset --force)" -eq 2 ]
check "stats with a bad option is a usage error" [ "$(status_of "$cli" --data-dir "$data" stats --xml)" -eq 2 ]
check "reset --yes" [ "$(status_of "$cli" --data-dir "$data" stats reset --yes)" -eq 0 ]
check "reset leaves 24 zero bytes" [ "$(od -An -tx1 -v "$data/Sts.cfg" | tr -d ' \n')" = "$(printf '0%.0s' {1..48})" ]
{  # script(1) gives the CLI a terminal to ask on
  counts "$data/Sts.cfg" 9 9 9 9 9 9
  echo n | script -qec "'$cli' --data-dir '$data' stats reset" /dev/null >"$work/ask.out" 2>&1
  check "the terminal is asked" grep -q "Do you want to reset trophy data ?" "$work/ask.out"
  check "answering no keeps the counts" [ "$(od -An -tu4 -N4 "$data/Sts.cfg" | tr -d ' ')" = 9 ]
  echo y | script -qec "'$cli' --data-dir '$data' stats reset" /dev/null >/dev/null 2>&1
  check "answering yes resets" [ "$(od -An -tu4 -N4 "$data/Sts.cfg" | tr -d ' ')" = 0 ]
}

exit $((failures > 0))
