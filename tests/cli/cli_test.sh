#!/usr/bin/env bash
# tintara-cli as scripts use it: one entry, a batch, a palette save and an
# "Import %R" measurement, each in a scratch working folder.
set -euo pipefail
cli="${1:?usage: cli_test.sh TINTARA_CLI INSTRUMENT_SIMULATOR}"
sim="${2:?usage: cli_test.sh TINTARA_CLI INSTRUMENT_SIMULATOR}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
. "$(dirname "$0")/check.sh"

# The start-up colour typed again prints the window's fields in order.
out="$("$cli" convert munsell 5.6R 6.1 6.2)"
check "field names" "munsell.hue munsell.value munsell.chroma xyz.X xyz.Y xyz.Z xy.x xy.y lab.L lab.a lab.b rgb.R rgb.G rgb.B cmyk.C cmyk.M cmyk.Y cmyk.K message note" \
  "$(printf '%s\n' "$out" | cut -d= -f1 | tr '\n' ' ' | sed 's/ $//')"
check "Y of value 6.1" "xyz.Y=31.23" "$(printf '%s\n' "$out" | grep '^xyz.Y=')"

# The options as a person sets them: D65/10, the perfect white and gamma 1.8
# (5.6R 6.1/6.2 adapted from C by hand, Y times 0.975, encoded with 1/1.8).
out="$("$cli" convert --illuminant D65 --pwd --gamma 1.8 munsell 5.6R 6.1 6.2)"
check "options XYZ" "xyz.X=35.94 xyz.Y=30.40 xyz.Z=23.46" "$(printf '%s\n' "$out" | grep '^xyz' | tr '\n' ' ' | sed 's/ $//')"
check "options RGB" "rgb.R=188 rgb.G=112 rgb.B=107" "$(printf '%s\n' "$out" | grep '^rgb' | tr '\n' ' ' | sed 's/ $//')"
set +e
"$cli" convert --gamma 3.5 munsell 5R 5 4 >/dev/null 2>&1; status=$?
set -e
check "gamma out of range" 2 "$status"
for gamma in abc 0.99 3.01 1e0 nan; do
  set +e
  "$cli" convert --gamma "$gamma" munsell 5R 5 4 >/dev/null 2>&1; status=$?
  set -e
  check "gamma $gamma" 2 "$status"
done
out="$("$cli" convert --gamma 3 munsell 5R 5 4)"
check "gamma 3 taken" "rgb.R=" "$(printf '%s\n' "$out" | grep -o '^rgb.R=')"
set +e
"$cli" convert --illuminant D75 munsell 5R 5 4 >/dev/null 2>&1; status=$?
set -e
check "usage error" 2 "$status"

# A refused entry: the message on standard error, a non-zero status.
set +e
err="$("$cli" convert xy 0.3 0 20 2>&1 >/dev/null)"; status=$?
set -e
check "refused status" 1 "$status"
check "refused message" "y must not be 0" "$err"

# Values the window would read as 0 are refused, each with its reason.
for value in abc 12abc nan inf 0x10 "" 1e3 " 5"; do
  set +e
  err="$("$cli" convert xyz 20 "$value" 30 2>&1 >/dev/null)"; status=$?
  set -e
  check "value '$value' refused" "1 Y must be a plain decimal number such as 12.5, not \"$value\"" "$status $err"
done
for hue in 5X 5 R 5.6RR x5R; do
  set +e
  "$cli" convert munsell "$hue" 5 4 >/dev/null 2>&1; status=$?
  set -e
  check "hue '$hue' refused" 1 "$status"
done
# A neutral given as N with chroma 0 is typed as 0R: no "Format Error".
out="$("$cli" convert munsell N 5 0 2>&1)"
check "neutral N" "munsell.hue=0R munsell.chroma=0 xyz.Y=19.77" \
  "$(printf '%s\n' "$out" | grep -E '^(munsell.hue|xyz.Y|munsell.chroma)=' | tr '\n' ' ' | sed 's/ $//')"
set +e
err="$("$cli" convert munsell n 5 2 2>&1 >/dev/null)"; status=$?
set -e
check "N with chroma" '1 N is a neutral: its chroma must be 0, not "2"' "$status $err"

# The note: the outside notice for a notation or a colour outside the data.
check "note outside" "note=Outside the Munsell renotation data" "$("$cli" convert munsell 5R 5 40 | grep '^note=')"
check "note inside" "note=" "$("$cli" convert munsell 5R 5 4 | grep '^note=')"

# Batch: a header, one CSV row per entry; a refused row is empty but for the
# reason in note; a byte-order mark and quoted fields are read as values.
rows="$(printf '\xef\xbb\xbf"5R","5","0"\n5R,5,abc\n\n2.5YR\t4\t6\n5R,,5\n5R 5 4 1\n5R 5 40\r\n' | "$cli" convert munsell || true)"
check "batch rows" 7 "$(printf '%s\n' "$rows" | wc -l | tr -d ' ')"
check "batch header end" "message,note" "$(printf '%s\n' "$rows" | sed -n 1p | cut -d, -f19-)"
check "quoted row after the mark" "5R,5,0,19.38,19.77,23.35" "$(printf '%s\n' "$rows" | sed -n 2p | cut -d, -f1-6)"
check "refused row" ',,,,,,,,,,,,,,,,,,,"the chroma must be a plain decimal number such as 12.5, not ""abc"""' \
  "$(printf '%s\n' "$rows" | sed -n 3p)"
check "row after a refusal" "2.5YR,4,6" "$(printf '%s\n' "$rows" | sed -n 4p | cut -d, -f1-3)"
check "empty value row" ',,,,,,,,,,,,,,,,,,,"the value must be a plain decimal number such as 12.5, not """""' \
  "$(printf '%s\n' "$rows" | sed -n 5p)"
check "wrong count row" ',,,,,,,,,,,,,,,,,,,"expected 3 values, found 4"' "$(printf '%s\n' "$rows" | sed -n 6p)"
check "outside row" "Out of RGB Range,Outside the Munsell renotation data" "$(printf '%s\n' "$rows" | sed -n 7p | cut -d, -f19-)"
set +e
printf '5R 5 4\n' | "$cli" convert munsell >/dev/null; status=$?
set -e
check "batch all taken" 0 "$status"

# Help for each command, and the version.
for command in convert save-palette measure; do
  check "$command --help" "  tintara-cli $command" "$("$cli" "$command" --help | sed -n 2p | cut -c1-$((14 + ${#command})))"
done
check "version" "tintara-cli 12.24.1" "$("$cli" --version)"

# A palette save appends a 22-field record to the file named, stamped with
# the system's date and time.
before="$(date '+%m-%d-%Y %H:%M:%S')"
"$cli" save-palette swatches "first, try" rgb 120 90 60 >/dev/null
after="$(date '+%m-%d-%Y %H:%M:%S')"
"$cli" save-palette swatches.csv 'say "hi"' munsell 5R 5 4 >/dev/null
check "palette lines" 2 "$(wc -l < swatches.csv | tr -d ' ')"
check "palette tag" '"first, try"' "$(head -1 swatches.csv | cut -d, -f3-4)"
check "palette rgb" '"120","90","60"' "$(head -1 swatches.csv | grep -o '"120","90","60"')"
check "palette quote doubled" '"say ""hi"""' "$(sed -n 2p swatches.csv | cut -d, -f3)"
stamp="$(head -1 swatches.csv | cut -d, -f1-2 | tr -d '"' | tr ',' ' ')"
if [[ "$stamp" < "$before" || "$stamp" > "$after" ]]; then
  printf 'FAILED palette date and time: %s not between %s and %s\n' "$stamp" "$before" "$after"
  failures=$((failures + 1))
fi
cp swatches.csv kept.csv
set +e
err="$("$cli" save-palette swatches $'two\nlines' rgb 1 2 3 2>&1 >/dev/null)"; status=$?
"$cli" save-palette swatches tag rgb 1 abc 3 >/dev/null 2>&1; refused=$?
set -e
check "tag with a line break" "1 The tag must not hold a line break" "$status $err"
check "refused entry not saved" 1 "$refused"
cmp -s swatches.csv kept.csv || { echo "FAILED a refused save touched the palette"; failures=$((failures + 1)); }

# "Import %R" of a reflectance file of white.
{ echo "white tile"; for i in $(seq 40); do echo 100; done; } > white.txt
out="$("$cli" measure Import --file white.txt)"
check "import X" "xyz.X=98.07" "$(printf '%s\n' "$out" | grep '^xyz.X=')"
check "import Y" "xyz.Y=100.00" "$(printf '%s\n' "$out" | grep '^xyz.Y=')"
check "import Z" "xyz.Z=118.23" "$(printf '%s\n' "$out" | grep '^xyz.Z=')"
[ ! -e zol.cfg ] || { echo "FAILED measure wrote zol.cfg"; failures=$((failures + 1)); }

# A SpectroEye on a pseudo-terminal: its greeting goes to standard error as
# information, and the reading, 50 % at 380..730 nm, is the result. By hand,
# from the weights: X = 0.5 (98.074 - 0.008), Y = 0.5 (100 - 0.002),
# Z = 0.5 (118.230 - 0.004).
"$sim" spectroeye 20 > sim.out &
simpid=$!
for _ in $(seq 100); do [ -s sim.out ] && break; sleep 0.05; done
set +e
out="$("$cli" measure SpectroEye --port "$(head -1 sim.out)" 2>err.txt)"; status=$?
set -e
kill "$simpid" 2>/dev/null || true
wait "$simpid" 2>/dev/null || true
check "SpectroEye status" 0 "$status"
check "SpectroEye greeting" ": 33 SpectroEye 1.07" "$(cat err.txt)"
check "SpectroEye XYZ" "xyz.X=49.03 xyz.Y=50.00 xyz.Z=59.11" \
  "$(printf '%s\n' "$out" | grep '^xyz\.' | tr '\n' ' ' | sed 's/ $//')"

# No instrument behind the port: the message, and status 1.
set +e
"$cli" measure CE7000 --port "$PWD/no-such-port" >/dev/null 2>err.txt; status=$?
set -e
check "absent port status" 1 "$status"

# A curve outside the data (light at 400 nm only) is measured, with the notice
# as its note.
{ echo "400 nm"; for i in $(seq 40); do if [ "$i" -eq 5 ]; then echo 100; else echo 0; fi; done; } > violet.txt
set +e
out="$("$cli" measure Import --file violet.txt)"; status=$?
set -e
check "measured outside the data" "0 note=Outside the Munsell renotation data" "$status $(printf '%s\n' "$out" | grep '^note=')"

finish
