#!/usr/bin/env bash
# oryn7px-cli rules: listing and changing which programs choose which profile, damaged files,
# escaping of names from the file, and changes beside the running program.
set -uo pipefail
. "$(dirname "$0")/cli_common.sh"
rules_file=$data/ProgramRules.ini
json_check() {  # description, python assertions on d (the JSON of `rules --json`)
  local what=$1 body=$2
  check "$what" python3 -c "
import json, subprocess, sys
r = subprocess.run([sys.argv[1], '--data-dir', sys.argv[2], 'rules', '--json'], capture_output=True, text=True)
d = json.loads(r.stdout)
$body" "$cli" "$data"
}

# 1. Without a file: following off, profile 1 for everything, and no file made by reading.
run rules >"$work/out" 2>/dev/null
check "rules without a file exits 0" [ $? -eq 0 ]
check "and shows following off" grep -qx "Following: off" "$work/out"
check "and the default profile 1" grep -qx "Default profile: 1" "$work/out"
check "reading makes no file" [ ! -e "$rules_file" ]

# 2. Changes.
check "add" [ "$(run rules add 2 game.exe 2>/dev/null)" = "game.exe chooses profile 2." ]
check "add by window class" [ "$(run rules add 2 steam_app_730 2>/dev/null)" = "steam_app_730 chooses profile 2." ]
check "add again, in other letters" [ "$(run rules add 2 GAME.exe 2>/dev/null)" = "GAME.exe already chooses profile 2." ]
check "a program chooses one profile" \
  [ "$(run rules add 3 Game.Exe 2>/dev/null)" = "Game.Exe chooses profile 3 (it chose profile 2 before)." ]
check "default" [ "$(run rules default 4 2>/dev/null)" = "Programs that no profile lists choose profile 4." ]
check "on" [ "$(run rules on 2>/dev/null)" = "Profiles follow the program in front." ]
run rules >"$work/out" 2>/dev/null
check "the listing" diff - "$work/out" <<'EOF'
Following: on
Default profile: 4
Profile 2: steam_app_730
Profile 3: Game.Exe
EOF
json_check "rules --json" '
assert r.returncode == 0, r
assert d == {"enabled": True, "default_profile": 4, "file": sys.argv[2] + "/ProgramRules.ini",
             "profiles": {"1": [], "2": ["steam_app_730"], "3": ["Game.Exe"], "4": [], "5": []}}, d'
check "the file has a version" grep -qx "Version=1" "$rules_file"
check "remove" [ "$(run rules remove 3 game.exe 2>/dev/null)" = "game.exe no longer chooses profile 3." ]
check "removing what is not listed fails" [ "$(status_of run rules remove 3 game.exe)" -eq 1 ]
check "off" [ "$(run rules off 2>/dev/null)" = "Profiles no longer follow the program in front." ]
json_check "after remove and off" 'assert not d["enabled"] and d["profiles"]["3"] == [], d'

# 3. Bad usage changes nothing.
cp "$rules_file" "$work/before"
for args in "add 0 game.exe" "add 6 game.exe" "add x game.exe" "add 2" "add 2 /usr/bin/game" "add 2 ' game'" \
            "default 9" "on now" "frob" "remove 2"; do
  eval "set -- $args"
  check "rules $args is a usage error" [ "$(status_of run rules "$@")" -eq 2 ]
done
check "a name with a control character is refused" [ "$(status_of run rules add 2 "$(printf 'a\033[2Jb')")" -eq 2 ]
check "bad usage left the file alone" cmp -s "$work/before" "$rules_file"
check "rules --help" [ "$(status_of run rules --help)" -eq 0 ]

# 4. Keys, sections and comments this version does not know are kept by a change.
cat >"$rules_file" <<'EOF'
# written by hand
[ProgramRules]
Version=1
Enabled=1
Sound=click.wav
[Profile5]
Program=blender
Colour=red
[Later]
Anything=goes
EOF
run rules add 1 firefox >/dev/null 2>&1
check "unknown key kept" grep -qx "Sound=click.wav" "$rules_file"
check "unknown key of a profile kept" grep -qx "Colour=red" "$rules_file"
check "unknown section kept" grep -qx "Anything=goes" "$rules_file"
check "comment kept" grep -qx "# written by hand" "$rules_file"
json_check "the rules beside them" 'assert d["profiles"]["1"] == ["firefox"] and d["profiles"]["5"] == ["blender"], d'

# 5. A damaged file is reported and ignored, and kept before a change writes over it.
printf '[ProgramRules]\nVersion=1\nEnabled=1\n[Profile2]\nProgram=game.exe\nthis is not a rule\n' >"$rules_file"
cp "$rules_file" "$work/damaged"
run rules >"$work/out" 2>"$work/err"
check "a damaged file fails the listing" [ $? -eq 1 ]
check "and says where and why" grep -qF "The program rules in $rules_file are not used: line 6 is neither a comment" "$work/err"
check "what is in effect: following off" grep -qx "Following: off" "$work/out"
check "no program listed" bash -c "! grep -q '^Profile' '$work/out'"
json_check "--json names the problem" 'assert r.returncode == 1 and "line 6" in d["problem"] and not d["enabled"], d'
run --lang 1 rules >/dev/null 2>"$work/err"
check "in Chinese too" grep -qF "中的程序规则未被使用：第 6 行" "$work/err"
check "reading left it alone" cmp -s "$work/damaged" "$rules_file"
run rules on >"$work/out" 2>"$work/err"
check "a change over a damaged file works" [ $? -eq 0 ]
check "and tells where the damaged file went" grep -qF "The damaged program rules were kept as $rules_file.invalid." "$work/err"
check "its bytes are kept" cmp -s "$work/damaged" "$rules_file.invalid"
json_check "the rules start anew" 'assert r.returncode == 0 and d["enabled"] and d["profiles"]["2"] == [], d'
printf '[ProgramRules]\nVersion=2\nEnabled=1\n' >"$rules_file"
run rules >/dev/null 2>"$work/err"
check "a newer version is not read" grep -qF 'line 2 gives version "2", and this program reads version 1' "$work/err"
run rules off >/dev/null 2>&1
check "a second damaged file gets a name of its own" grep -qx "Version=2" "$rules_file.invalid.2"
rm -f "$rules_file"*
mkdir "$rules_file"
check "a folder in the file's place fails a change" [ "$(status_of run rules on)" -eq 1 ]
check "and is left alone" [ -d "$rules_file" ]
rmdir "$rules_file"

# 6. Names from the file are shown, never obeyed.
printf '[ProgramRules]\nVersion=1\n[Profile2]\nProgram=evil\xe2\x80\xaeexe.gam\n' >"$rules_file"
run rules >"$work/out" 2>/dev/null
check "a bidirectional control is shown escaped" grep -qxF 'Profile 2: evil\u202Eexe.gam' "$work/out"

# 7. Changes wait for each other, and run beside the program, which reads the file again.
rm -f "$rules_file"
for n in $(seq 1 20); do run rules add $((n % 5 + 1)) "program$n" >/dev/null 2>&1 & done
wait
json_check "twenty changes at once keep twenty programs" 'assert sum(len(p) for p in d["profiles"].values()) == 20, d'
python3 - "$data" "$work/held" <<'PY' &
import fcntl, os, sys, time
fd = os.open(sys.argv[1], os.O_RDONLY | os.O_DIRECTORY)
fcntl.flock(fd, fcntl.LOCK_SH)  # as the running program holds its data folder
open(sys.argv[2], "w").close()
time.sleep(30)
PY
holder=$!
for ((i = 0; i < 100; i++)); do [[ -e $work/held ]] && break; sleep 0.1; done
check "a change of the rules beside the running program works" [ "$(status_of run rules add 1 beside)" -eq 0 ]
run dpi 1 800 >/dev/null 2>"$work/err"
check "a change of the settings beside it is still refused" grep -q "program is running" "$work/err"
kill "$holder"; wait "$holder" 2>/dev/null

exit $((failures > 0))
