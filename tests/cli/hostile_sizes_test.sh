#!/usr/bin/env bash
# Inputs of hostile sizes through tintara-cli: a gigabyte palette, a gigabyte
# sample file (both sparse, so that reading either whole would take a
# gigabyte of memory) and an entry line of 200,000 characters are refused with
# a message and status 1, at once.
set -euo pipefail
cli="${1:?usage: hostile_sizes_test.sh TINTARA_CLI}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
. "$(dirname "$0")/check.sh"
run() {  # run COMMAND...: the status; standard error goes to err.txt
  set +e
  "$@" >out.txt 2>err.txt
  local s=$?
  set -e
  echo "$s"
}

truncate -s 1G huge.csv
cp --sparse=always huge.csv lab_sRGB.csv

check "export status" 1 "$(run "$cli" export-palette huge.csv --format gpl out.gpl)"
check "export message" "tintara-cli: huge.csv, line 1: the line is too long for a palette record" "$(cat err.txt)"
check "no export" no "$([ -e out.gpl ] && echo yes || echo no)"
check "view status" 1 "$(run "$cli" view huge.csv --list)"
check "view message" "$(printf 'File format Error or Palette not generatedhuge.csv\nLine 1: the line is too long for a palette record.')" \
  "$(cat err.txt)"
check "import status" 1 "$(run "$cli" import 6)"
check "import message" "$work/lab_sRGB.csv holds 1024 MB; a sample file is at most 64 MB. Nothing was imported." \
  "$(cat err.txt)"

# Two good entries, then a line no entry comes near: what came before is
# printed, the rest is not read.
set +e
{ printf '10 20 30\n40 50 60\n'; head -c 200000 /dev/zero | tr '\0' '1'; printf '\n70 80 90\n'; } |
  "$cli" convert xyz >out.txt 2>err.txt
s=$?
set -e
check "long line status" 1 "$s"
check "long line rows" 3 "$(wc -l <out.txt | tr -d ' ')"
check "long line message" \
  "tintara-cli: line 3 of the entries is longer than 65536 characters; it and the lines after it were not read" \
  "$(cat err.txt)"

finish
