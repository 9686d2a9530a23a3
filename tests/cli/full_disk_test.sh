#!/usr/bin/env bash
# Every file tintara-cli writes, written on a disk that fills up part-way (a
# file-size limit stands in for it): the command fails with status 1 and a
# message naming the file, the earlier content stays whole and no temporary
# file is left behind.
set -euo pipefail
cli="${1:?usage: full_disk_test.sh TINTARA_CLI}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
. "$(dirname "$0")/check.sh"
# Runs a command with files limited to LIMIT KB; the limit's signal is ignored,
# so that a write past it fails as on a full disk. Prints the status; the
# command's standard error goes to err.txt.
limited() {  # limited LIMIT COMMAND...
  local limit="$1"
  shift
  set +e
  (trap '' XFSZ; ulimit -f "$limit"; "$@") >out.txt 2>err.txt
  local s=$?
  set -e
  echo "$s"
}
# WRITER FILE LIMIT COMMAND...: FILE holds "earlier" before and after.
writer() {
  local name="$1" file="$2" limit="$3"
  shift 3
  printf 'earlier\r\n' >"$file"
  check "$name status" 1 "$(limited "$limit" "$@")"
  check "$name message" yes "$(grep -qF "$file" err.txt && echo yes || echo "no: $(cat err.txt)")"
  check "$name kept" "$(printf 'earlier\r\n')" "$(cat "$file")"
  check "$name leftovers" "" "$(ls -A | grep -v -e '^out.txt$' -e '^err.txt$' -e '^paint.csv$' -e "^$file\$" || true)"
  rm -f "$file"
}

# A palette of 300 records (three saved, copied a hundred times): some 26 KB,
# more than a 4 KB limit lets through.
"$cli" save-palette seed.csv "brick" munsell 5R 4 10 >/dev/null
"$cli" save-palette seed.csv "sky" rgb 124 148 188 >/dev/null
"$cli" save-palette seed.csv "grass" lab 50 -40 30 >/dev/null
for i in $(seq 1 100); do cat seed.csv; done >paint.csv
rm seed.csv
check "palette made" 300 "$(wc -l <paint.csv | tr -d ' ')"

writer "export gpl" out.gpl 4 "$cli" export-palette paint.csv --format gpl out.gpl
writer "chart png" hue.png 4 "$cli" chart hue munsell 5R 5 10 --png hue.png
writer "view png" view.png 1 "$cli" view paint.csv --png view.png

# The append: the palette at its limit takes no part of a record.
cp paint.csv before.csv
check "append status" 1 "$(limited $(($(stat -c %s paint.csv) / 1024)) "$cli" save-palette paint.csv more rgb 1 2 3)"
check "append message" yes "$(grep -qF paint.csv err.txt && echo yes || echo "no: $(cat err.txt)")"
check "append kept" same "$(cmp -s paint.csv before.csv && echo same || echo changed)"

# Standard output on a full device, with a palette small enough to sit in the
# output buffer until the program ends.
head -n 1 paint.csv >small.csv
set +e
"$cli" export-palette small.csv --format css - >/dev/full 2>err.txt
s=$?
set -e
check "export to a full device" 1 "$s"
check "full device message" "tintara-cli: the palette could not be written to standard output" "$(cat err.txt)"

finish
