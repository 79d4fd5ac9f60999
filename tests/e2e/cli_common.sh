# Shared by the CLI's end-to-end tests: the argument, a work folder with an empty data folder
# cleaned up on exit, checks that count failures, and running the CLI on that folder.
# Sourced, not run. Argument of the sourcing script: ORYN7PX-CLI
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
check() {  # description, command...
  local what=$1; shift
  if ! "$@"; then echo "FAILED: $what" >&2; failures=$((failures + 1)); fi
}
status_of() { "$@" >/dev/null 2>&1; echo $?; }
data=$work/data
mkdir -p "$data"
run() { "$cli" --data-dir "$data" "$@"; }
