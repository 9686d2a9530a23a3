#!/usr/bin/env bash
# The shape of the core: its functions return values and never write into
# their caller's variables, every source file has its header, no two names
# differ only by case, and no two headers include each other.
set -uo pipefail
src="$1/src"
core=("$src/colorimetry" "$src/munsell" "$src/textio")
failed=0

writable=$(grep -rPn '(?<!const )\b(float|double) ?&' "${core[@]}" --include='*.h')
if [ -n "$writable" ]; then
  echo "core headers must not take float or double by non-const reference:"
  echo "$writable"
  failed=1
fi

for cpp in $(find "${core[@]}" "$src/instruments/spectral.cpp" -name '*.cpp'); do
  [ -f "${cpp%.cpp}.h" ] || { echo "no header for $cpp"; failed=1; }
done

pairs=$(grep -rhoP '\b[A-Za-z_][A-Za-z0-9_]*(?=\()' "${core[@]}" "$src/workspace" "$src/instruments/spectral.h" \
          --include='*.h' | sort -u | awk '{print tolower($0), $0}' | sort |
        awk '$1 == last && $2 != name {print name " / " $2} {last = $1; name = $2}')
if [ -n "$pairs" ]; then
  echo "names that differ only by case:"
  echo "$pairs"
  failed=1
fi

for header in $(find "$src" -name '*.h'); do
  here=${header#"$src/"}
  for included in $(grep -oP '#include "\K[^"]+' "$header"); do
    [ -f "$src/$included" ] && grep -q "#include \"$here\"" "$src/$included" &&
      { echo "$here and $included include each other"; failed=1; }
  done
done

exit $failed
