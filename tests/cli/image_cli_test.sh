#!/usr/bin/env bash
# tintara-cli palette-from-image and image-notation as scripts use them, on
# the shipped TestImage.jpg in a scratch working folder: the palette's records
# and their order, one block's notation line, and the statuses of bad input.
set -euo pipefail
cli="${1:?usage: image_cli_test.sh TINTARA_CLI TestImage.jpg}"
picture="${2:?usage: image_cli_test.sh TINTARA_CLI TestImage.jpg}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
. "$(dirname "$0")/check.sh"
tag() { sed -n "$1p" test.csv | cut -d, -f3; }

# 640 x 480 at n = 10: 64 columns of 48 blocks, column by column; a second
# run replaces the file.
check "palette" "3072 records written to test.csv" "$("$cli" palette-from-image "$picture" --granularity 10 --out test)"
check "palette again" 0 "$(status "$cli" palette-from-image "$picture" --granularity 10 --out test.csv)"
check "records" 3072 "$(wc -l < test.csv | tr -d ' ')"
check "first" '" 0 0"' "$(tag 1)"
check "second" '" 0 10"' "$(tag 2)"
check "next column" '" 10 0"' "$(tag 49)"
check "last" '" 630 470"' "$(tag 3072)"
check "every line ends CR LF" 3072 "$(grep -c $'\r$' test.csv)"

# The 5R 5/6 chip (20..69 x 30..79), as a click and as a palette block.
line="$("$cli" image-notation "$picture" --at 45,55)"
pattern='^Hue = [45]\.[0-9][0-9]R   Value = (4\.9|5\.0)[0-9]   Chroma = (5\.[89]|6\.[01])[0-9]$'
[[ "$line" =~ $pattern ]] || check "chip notation" "5R 5/6 within the JPEG's rounding" "$line"
check "block of the chip" "$line" "$("$cli" image-notation "$picture" --at 45,55 --granularity 10)"

# Bad input: the reason on standard error and a status.
mkdir taken.csv
head -c 100 "$picture" > truncated.jpg
check "missing picture" 1 "$(status "$cli" palette-from-image nothere.jpg --granularity 10 --out x)"
check "truncated picture" 1 "$(status "$cli" image-notation truncated.jpg --at 1,1)"
check "folder for a picture" 1 "$(status "$cli" image-notation . --at 1,1)"
check "granularity 0" 2 "$(status "$cli" palette-from-image "$picture" --granularity 0 --out x)"
check "granularity not whole" 2 "$(status "$cli" palette-from-image "$picture" --granularity 2.5 --out x)"
set +e
"$cli" palette-from-image "$picture" --granularity 5 --out x >/dev/null 2>err.txt; s=$?
set -e
check "too many blocks" 1 "$s"
check "too many blocks says so" \
  "tintara-cli: a granularity of 5 gives 12288 blocks of the 640 x 480 picture; a palette holds 1 to 10,000" \
  "$(cat err.txt)"
check "no blocks" 1 "$(status "$cli" palette-from-image "$picture" --granularity 481 --out x)"
check "palette into a folder" 1 "$(status "$cli" palette-from-image "$picture" --granularity 10 --out taken)"
check "nothing written" "no" "$([ -e x.csv ] && echo yes || echo no)"
check "no --out" 2 "$(status "$cli" palette-from-image "$picture" --granularity 10)"
check "--at malformed" 2 "$(status "$cli" image-notation "$picture" --at 4-5)"
check "--at outside" 1 "$(status "$cli" image-notation "$picture" --at 640,0)"
check "--at beyond any whole number" 2 "$(status "$cli" image-notation "$picture" --at 1e30,5)"
check "--at beyond whole blocks" 1 "$(status "$cli" image-notation "$picture" --at 639,0 --granularity 7)"
check "help" 0 "$(status "$cli" image-notation --help)"

finish
