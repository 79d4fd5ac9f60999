#!/usr/bin/env bash
# Every script that builds in build/ configures it exactly as scripts/test (which CI runs) does:
# one configuration, so `scripts/run` then `scripts/test` builds each target once.
# Each script runs on a copy of scripts/ with a cmake that records the configure call and refuses
# the build, so the script stops there; installing and everything after the build never happen.
# usage: same_build_configuration_test.sh SCRIPTS_DIR
set -uo pipefail
scripts=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
cp -r "$scripts" "$tree/scripts"
printf '#!/bin/sh\nexit 0\n' >"$tree/scripts/install-deps"
mkdir "$tree/bin"
cat >"$tree/bin/cmake" <<'FAKE'
#!/bin/sh
for argument in "$@"; do [ "$argument" = --build ] && exit 1; done
echo "$*" >>"$CONFIGURE_LOG"
FAKE
chmod +x "$tree/scripts/install-deps" "$tree/bin/cmake"

# The configure calls of one script, its folder written as ROOT.
configure_calls() {
    local log=$tree/$1.log
    : >"$log"
    env -u ORYN7PX_BUILD_DIR -u DISPLAY PATH="$tree/bin:$PATH" CONFIGURE_LOG="$log" \
        "$tree/scripts/$1" >/dev/null 2>&1 </dev/null
    sed "s|$tree|ROOT|g" "$log"
}

failures=0
reference=$(configure_calls test)
if [[ -z $reference ]]; then
    echo "FAIL: scripts/test configured nothing"
    failures=1
fi
for script in run screenshots package fuzz; do
    calls=$(configure_calls "$script")
    if [[ $calls != "$reference" ]]; then
        echo "FAIL: scripts/$script configures [$calls], scripts/test [$reference]"
        failures=$((failures + 1))
    fi
done
[[ $failures == 0 ]] && echo "all scripts configure build/ as scripts/test: $reference"
exit "$failures"
