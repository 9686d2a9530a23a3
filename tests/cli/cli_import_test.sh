#!/usr/bin/env bash
# tintara-cli import and table as scripts use them, each in a scratch working
# folder: the files written, what is printed and the statuses.
set -euo pipefail
cli="${1:?usage: cli_import_test.sh TINTARA_CLI}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
. "$(dirname "$0")/check.sh"
# The status, with what was printed kept in out.txt and err.txt for the checks.
statusKeeping() { set +e; "$@" >out.txt 2>err.txt; echo $?; set -e; }

# Steps: 5R 4/14 (a sample of the renotation data) and 5B 5/10, whose red lies
# below 0, so one colour is not displayed.
printf '5R\t4\t14\r\n5B\t5\t10\r\n' > steps.txt
check "steps status" 0 "$(statusKeeping "$cli" import 3)"
check "steps totals" "Total colors 2  Colors not displayed 1" "$(cat out.txt)"
check "steps row" "5R,4,14,22.51,12.00,4.75,41.22,59.51,30.17, 186 , 38 , 54 " "$(sed -n 2p stepsMUNSELL.txt | tr -d '\r')"

# A chosen file of type 0, with a sample the window refuses: status 1, the row
# marked, the line named.
printf 'H,V,C\r\n5R,4,14\r\n5R,-2,4\r\n' > mine.csv
check "type 0 status" 1 "$(statusKeeping "$cli" import 0 mine.csv)"
check "type 0 message" "Not converted 1: line 3 (Value must not be negative)" "$(cat out.txt)"
check "type 0 rows" 2 "$(wc -l < tempOUT.txt | tr -d ' ')"
check "type 0 refused row" "5R,-2,4,not converted,,,,,,,,,,,," "$(sed -n 2p tempOUT.txt | tr -d '\r')"

# Missing input, a line without its fields, and usage errors.
check "missing input" 1 "$(statusKeeping "$cli" import 6)"
check "missing message" "File not found: $work/lab_sRGB.csv" "$(cat err.txt)"
printf 'L,a,b\r\n50,0\r\n' > lab_sRGB.csv
check "short line" 1 "$(statusKeeping "$cli" import 6)"
check "short line message" "lab_sRGB.csv line 2 holds 2 fields; a record is L*, a* and b* (3 fields). The import stopped; no lab_sRGB.txt was written." "$(cat err.txt)"
[ ! -e lab_sRGB.txt ] || { echo "FAILED a failed import wrote lab_sRGB.txt"; failures=$((failures + 1)); }
check "unknown type" 2 "$(statusKeeping "$cli" import XYZ)"
check "file for a fixed type" 2 "$(statusKeeping "$cli" import 3 steps.txt)"
check "no file for xyz" 2 "$(statusKeeping "$cli" import xyz)"

# XYZ samples appended to the palette named.
printf 'tag,X,Y,Z\r\nbrick,22.50974,12.00075,4.74612\r\nsky,20,21,30\r\n' > samples.csv
check "xyz status" 0 "$(statusKeeping "$cli" import xyz samples.csv --palette swatches)"
check "xyz records" 2 "$(wc -l < swatches.csv | tr -d ' ')"
check "xyz first record" '"brick","5.00R","4.00","14.00"' "$(head -1 swatches.csv | cut -d, -f3-6)"

# The table under D65: "Done", and the neutral at value 1 adapted by hand.
check "table status" 0 "$(statusKeeping "$cli" table --illuminant D65)"
check "table done" "Done" "$(cat out.txt)"
check "table first row" "$(printf ' 0 \t.00R\t 1 \t 0 \t1.15\t1.21\t1.30\t10.63\t-.01\t.02\t34\t34\t34')" "$(sed -n 4p muntable2.prn | tr -d '\r')"
mkdir -p blocked && cd blocked && mkdir muntable2.prn
check "table into a folder" 1 "$(statusKeeping "$cli" table)"
check "table folder message" "Cannot write $work/blocked/muntable2.prn: a folder has that name. No table was written." "$(cat err.txt)"

finish
