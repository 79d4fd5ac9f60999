#!/usr/bin/env bash
# oryn7px-cli against a fresh data folder: defaults, export/import, macros, bad input, exit codes.
set -uo pipefail
. "$(dirname "$0")/cli_common.sh"

"$cli" --data-dir "$data" show --json >"$work/show.json" 2>"$work/show.err"
check "show exits 0" [ $? -eq 0 ]
check "Profile1.cfg is 25412 bytes" [ "$(stat -c %s "$data/Profile/Profile1.cfg")" -eq 25412 ]
check "Profile1.cfg begins 5A 02 80 80" [ "$(head -c 4 "$data/Profile/Profile1.cfg" | od -An -tx1 | tr -d ' ')" = 5a028080 ]
check "show --json gives the defaults" python3 - "$work/show.json" <<'PY'
import json, sys
d = json.load(open(sys.argv[1]))
assert d["profile"] == 1 and d["dwMagic"] == 0x8080025A
assert [b["nFunction"] for b in d["Buttons"]] == [1, 4, 2, 8, 16, 11, 22, 146]
assert [b["szName"] for b in d["Buttons"]][:3] == ["Click", "Middle", "Menu"]
assert d["nDpiValue"] == [10, 15, 20, 25, 30, 40, 50] and d["nReportRate"] == 1
assert d["LightColor"][4] == {"red": 255, "green": 0, "blue": 0}
assert d["ButtonMacroId"] == [0] * 8 and d["nWheelLines"] == 3
PY
check "the missing index is reported on stderr" grep -q "Failed to open file, check whether there is a $data/Profile/ConfigInfo.cfg path?" "$work/show.err"
check "a missing data folder is refused as bad usage" [ "$(status_of "$cli" --data-dir "$work/zh" --lang 1 show --json)" -eq 2 ]
check "a missing data folder is not created" [ ! -e "$work/zh" ]
mkdir -p "$work/zh"
check "--lang 1 names buttons in Chinese" sh -c "'$cli' --data-dir '$work/zh' --lang 1 show --json 2>/dev/null | grep -q '单击'"

python3 - "$work/jump.cfg" <<'PY'
import struct, sys
events = [0xC0000041, 0xA0000032, 0xE0000041]
name = "Jump".encode("utf-16-le")
entry = struct.pack("<6I", 4112, 0xE8E80010, 0x16001234, 0, 1, len(events))
entry += struct.pack("<1000I", *(events + [0] * 997)) + name + b"\0" * (80 - len(name))
open(sys.argv[1], "wb").write(entry)
PY
check "macro import" [ "$(status_of "$cli" --data-dir "$data" macro import "$work/jump.cfg")" -eq 0 ]
check "Macro.cfg is 2052000 bytes" [ "$(stat -c %s "$data/Macro.cfg")" -eq 2052000 ]
check "macro list shows it" sh -c "'$cli' --data-dir '$data' macro list 2>/dev/null | grep -q '0x16001234  Jump'"
check "macro show lists its events" sh -c "'$cli' --data-dir '$data' macro show 369103412 --json 2>/dev/null | grep -q '\"delay\"'"
check "macro import of the same ID replaces it" sh -c "'$cli' --data-dir '$data' macro import '$work/jump.cfg' | grep -q '^Replaced macro 0x16001234  Jump'"
check "the ID is listed once" [ "$("$cli" --data-dir "$data" macro list 2>/dev/null | grep -c 0x16001234)" -eq 1 ]

check "export" [ "$(status_of "$cli" --data-dir "$data" export "$work/all.cfg")" -eq 0 ]
check "export file is 2085432 bytes" [ "$(stat -c %s "$work/all.cfg")" -eq 2085432 ]
fresh=$work/fresh
mkdir -p "$fresh"
"$cli" --data-dir "$fresh" import "$work/all.cfg" >"$work/import.out" 2>&1
check "import exits 0" [ $? -eq 0 ]
check "import says what it saved" grep -q "Saved the imported configuration as profile 1" "$work/import.out"
check "import success message" grep -q "Info: $work/all.cfg import success!" "$work/import.out"
check "imported macro is in the new library" sh -c "'$cli' --data-dir '$fresh' macro list 2>/dev/null | grep -q Jump"
check "index written by import" [ "$(stat -c %s "$fresh/Profile/ConfigInfo.cfg")" -eq 8020 ]

# Bad input: files stay as they were, exit status 1.
head -c 5000 /dev/urandom >"$work/random.cfg"
before=$(md5sum "$data/Profile/Profile1.cfg" "$data/Macro.cfg")
check "import of a random file fails" [ "$(status_of "$cli" --data-dir "$data" import "$work/random.cfg")" -eq 1 ]
check "import of a missing file fails" [ "$(status_of "$cli" --data-dir "$data" import "$work/none.cfg")" -eq 1 ]
check "macro import of a random file fails" [ "$(status_of "$cli" --data-dir "$data" macro import "$work/random.cfg")" -eq 1 ]
check "export to a missing folder fails" [ "$(status_of "$cli" --data-dir "$data" export "$work/no/such/x.cfg")" -eq 1 ]
check "files unchanged after bad input" [ "$before" = "$(md5sum "$data/Profile/Profile1.cfg" "$data/Macro.cfg")" ]

# Usage errors and help.
check "unknown command" [ "$(status_of "$cli" frobnicate)" -eq 2 ]
check "bad --profile" [ "$(status_of "$cli" --data-dir "$data" show --profile 6)" -eq 2 ]
check "bad macro id" [ "$(status_of "$cli" --data-dir "$data" macro delete nonsense)" -eq 2 ]
for args in "--help" "show --help" "profiles --help" "export --help" "import --help" "macro --help" "macro list --help" "macro rename --help"; do
  check "help: $args" sh -c "'$cli' $args | grep -q usage"
done

[ "$failures" -eq 0 ] && echo "all checks passed"
exit $((failures > 0))
