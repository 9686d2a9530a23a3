#!/usr/bin/env bash
# tintara-cli view and export-palette as scripts use them, in a scratch
# working folder: the sample list, the PNG, palettes for painting programs,
# and the statuses of broken palettes and bad options.
set -euo pipefail
cli="${1:?usage: viewer_cli_test.sh TINTARA_CLI}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
. "$(dirname "$0")/check.sh"

# A palette as the main window writes it, with a comma and quotes in names.
"$cli" save-palette reds "Brick, old" munsell 5R 4 10 >/dev/null
"$cli" save-palette reds 'say "hi"' rgb 124 148 188 >/dev/null
"$cli" save-palette reds "" munsell N 5 0 >/dev/null 2>&1

# The list, padded in the headless font (90 twips a character).
list="$("$cli" view reds.csv --list 2>/dev/null)"
check "list line 1" '1    Brick, old             H 5r        V 4.00     C 10.00' "$(printf '%s\n' "$list" | sed -n 1p)"
# The neutral was typed as 0R, the hue the window reads for N.
check "list line 3" '3                           H 0r        V 5.00     C .00' "$(printf '%s\n' "$list" | sed -n 3p)"
check "list lines" 3 "$(printf '%s\n' "$list" | wc -l | tr -d ' ')"

# The PNG: the display's size; LastPalette.txt untouched.
check "view png" 0 "$(status "$cli" view reds.csv --turn -45 --tilt 30 --zoom 12 --numbers --png view.png)"
check "png header" "89504e47" "$(head -c 4 view.png | od -An -tx1 | tr -d ' \n')"
check "png width" "00000191" "$(head -c 20 view.png | tail -c 4 | od -An -tx1 | tr -d ' \n')"
check "png height" "00000189" "$(head -c 24 view.png | tail -c 4 | od -An -tx1 | tr -d ' \n')"
check "last palette untouched" "no" "$([ -e LastPalette.txt ] && echo yes || echo no)"

# Options out of range or missing, and the outcomes of broken palettes.
check "turn out of range" 2 "$(status "$cli" view reds.csv --turn 181 --png x.png)"
check "tilt not whole" 2 "$(status "$cli" view reds.csv --tilt 12.5 --png x.png)"
check "zoom zero" 2 "$(status "$cli" view reds.csv --zoom 0 --png x.png)"
check "turn beyond any whole number" 2 "$(status "$cli" view reds.csv --turn -4888888888888888888888885 --png x.png)"
check "no output" 2 "$(status "$cli" view reds.csv)"
check "missing palette" 1 "$(status "$cli" view nothere.csv --list)"
mkdir taken.png
check "png in a folder's place" 1 "$(status "$cli" view reds.csv --png taken.png)"
{ cat reds.csv; printf '"d","t","short","5R","4"\r\n'; } > broken.csv
set +e
out="$("$cli" view broken.csv --list 2>err.txt)"; s=$?
set -e
check "broken status" 1 "$s"
check "broken keeps lines" 3 "$(printf '%s\n' "$out" | wc -l | tr -d ' ')"
check "broken message" "Line 4: the record has 5 fields; a palette record has at least 6." "$(tail -1 err.txt)"

# Palettes for painting programs, from records written by hand: the main
# window's layout and the tolerance chart's.
{
  printf '"12-06-2026","09:30:00","Brick, old","5R","4","10","1","2","3","4","5","6",0.3,0.04,0.05,"164","64","66","20","59","58","15"\r\n'
  printf '"12-06-2026","09:30:00","say ""hi""","5PB","6","6","1","2","3","4","5","6",0.2,0.3,0.5,"124","148","188","45","35","20","5"\r\n'
  printf '12/6/2026,09:30:00, 3,N,5,0,0,0,0,0,0,0,0,0,0,119,119,119,end\r\n'
} > paint.csv
"$cli" export-palette paint.csv --format gpl paint.gpl
check "gpl" "$(printf 'GIMP Palette\nName: paint.csv\nColumns: 0\n#\n164  64  66\tBrick, old\n124 148 188\tsay "hi"\n119 119 119\t3')" \
  "$(cat paint.gpl)"
check "css" "$(printf '/* paint.csv */\n:root {\n  --brick-old: #a44042;  /* Brick, old  5R 4/10 */\n  --say-hi: #7c94bc;  /* say "hi"  5PB 6/6 */\n  --3: #777777;  /* 3  N 5/0 */\n}')" \
  "$("$cli" export-palette paint.csv --format css -)"
check "unknown format" 2 "$(status "$cli" export-palette paint.csv --format ase out.ase)"
check "export broken" 1 "$(status "$cli" export-palette broken.csv --format css out.css)"
check "export into a folder" 1 "$(status "$cli" export-palette paint.csv --format gpl taken.png)"
check "nothing written" "no" "$([ -e out.css ] && echo yes || echo no)"
set +e
err="$("$cli" export-palette broken.csv --format gpl out.gpl 2>&1)"
set -e
check "export message" "tintara-cli: broken.csv, line 4: the record has 5 fields; a palette record has at least 6" "$err"

finish
