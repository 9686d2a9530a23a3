#!/usr/bin/env bash
# tintara-cli as scripts use it: one entry, a batch, a palette save and an
# "Import %R" measurement, each in a scratch working folder.
set -euo pipefail
cli="${1:?usage: cli_test.sh TINTARA_CLI INSTRUMENT_SIMULATOR}"
sim="${2:?usage: cli_test.sh TINTARA_CLI INSTRUMENT_SIMULATOR}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
failures=0
checks=0
check() {  # check NAME EXPECTED ACTUAL
  checks=$((checks + 1))
  if [ "$2" != "$3" ]; then
    printf 'FAILED %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"
    failures=$((failures + 1))
  fi
}

# The start-up colour typed again prints the window's fields in order.
out="$("$cli" convert munsell 5.6R 6.1 6.2)"
check "field names" "munsell.hue munsell.value munsell.chroma xyz.X xyz.Y xyz.Z xy.x xy.y lab.L lab.a lab.b rgb.R rgb.G rgb.B cmyk.C cmyk.M cmyk.Y cmyk.K message" \
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
check "gamma out of range" 3 "$status"
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

# Batch: a header, one CSV row per entry, the refusal in its row.
rows="$(printf '5R 5 0\n5R,5,abc,1\n2.5YR\t4\t6\n' | "$cli" convert munsell || true)"
check "batch rows" 4 "$(printf '%s\n' "$rows" | wc -l | tr -d ' ')"
check "neutral row" "5R,5,0,19.38,19.77,23.35" "$(printf '%s\n' "$rows" | sed -n 2p | cut -d, -f1-6)"
check "wrong count row" "expected 3 values" "$(printf '%s\n' "$rows" | sed -n 3p | awk -F, '{print $NF}')"

# A palette save appends a 22-field record to the file named.
"$cli" save-palette swatches "first, try" rgb 120 90 60 >/dev/null
"$cli" save-palette swatches.csv second munsell 5R 5 4 >/dev/null
check "palette lines" 2 "$(wc -l < swatches.csv | tr -d ' ')"
check "palette tag" '"first, try"' "$(head -1 swatches.csv | cut -d, -f3-4)"
check "palette rgb" '"120","90","60"' "$(head -1 swatches.csv | grep -o '"120","90","60"')"

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

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
