#!/usr/bin/env bash
# Times tintara-cli's batch mode on 100,000 entries of each form it is most
# often fed: Munsell notations and X Y Z values spread through the solid.
set -euo pipefail
bin="$(cd "${1:?usage: cli_batch.sh BIN_DIR}" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
awk 'BEGIN { split("R YR Y GY G BG B PB P RP", f, " ");
             for (i = 0; i < 100000; i++) printf "%.1f%s %.1f %.1f\n", 0.5 + (i % 19) / 2, f[1 + i % 10], 1 + (i % 17) / 2, (i % 13) }' \
  > "$work/munsell.txt"
awk 'BEGIN { for (i = 0; i < 100000; i++) printf "%.2f,%.2f,%.2f\n", 2 + (i % 89), 2 + (i % 97), 2 + (i % 83) }' \
  > "$work/xyz.txt"
for form in munsell xyz; do
  start=$(date +%s.%N)
  (cd "$work" && "$bin/tintara-cli" convert "$form" < "$work/$form.txt" > "$work/$form.csv") || true
  end=$(date +%s.%N)
  rows=$(($(wc -l < "$work/$form.csv") - 1))
  awk -v f="$form" -v n="$rows" -v s="$start" -v e="$end" 'BEGIN { printf "%s: %d entries in %.2f s\n", f, n, e - s }'
done
