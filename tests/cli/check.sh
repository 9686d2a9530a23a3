# Shared by the command-line test scripts: `check NAME EXPECTED ACTUAL` counts
# a check and prints both texts when they differ; `finish` prints the tally
# and fails the script when any check failed; `status COMMAND...` prints the
# command's exit status, its output dropped, without ending the script.
failures=0
checks=0
check() {
  checks=$((checks + 1))
  if [ "$2" != "$3" ]; then
    printf 'FAILED %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"
    failures=$((failures + 1))
  fi
}
finish() {
  echo "$((checks - failures)) of $checks checks passed"
  [ "$failures" -eq 0 ]
}
status() {
  set +e
  "$@" >/dev/null 2>&1
  local s=$?
  set -e
  echo "$s"
}
