# Shared by the desktop-input tests: arguments, the display check, a work folder cleaned up on
# exit, failure counting and waiting for a line in a file. Sourced, not run.
cli=$1
witness=$2
[ -n "${DISPLAY:-}" ] || { echo "no X display: skipped"; exit 77; }
command -v xdotool >/dev/null || { echo "xdotool missing: skipped"; exit 77; }

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Waits up to 5 s for a line matching a pattern in a file.
wait_for() {
    for _ in $(seq 50); do grep -qE "$2" "$1" 2>/dev/null && return 0; sleep 0.1; done
    return 1
}
