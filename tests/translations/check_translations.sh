#!/usr/bin/env bash
# Runs lupdate over the code into copies of translations/*.ts and lrelease over them: the
# committed files must be what lupdate makes (no text added or changed since), hold no vanished
# text, leave nothing unfinished in the languages called complete, and build without a word.
# usage: check_translations.sh LUPDATE LRELEASE SOURCE_DIR COMPLETE_LANGUAGE...
set -euo pipefail
lupdate=$1 lrelease=$2 source=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source"/translations/*.ts "$work"/
failed=0

# The same sources and options as the update_translations target.
mapfile -t sources < <(cd "$source/src" && { find ui actions cli app library convert -name '*.cpp' -o -name '*.h'
                                               echo abr/ReadErrorText.cpp
                                               echo brush/BrushPreset.cpp; } |
                       LC_ALL=C sort | sed "s|^|$source/src/|")
"$lupdate" -silent -locations none -tr-function-alias translate+=Translated "${sources[@]}" \
  -ts "$work"/*.ts >"$work/lupdate.log" 2>&1 || { cat "$work/lupdate.log"; exit 1; }

for ts in "$work"/*.ts; do
  name=$(basename "$ts")
  if ! cmp -s "$ts" "$source/translations/$name"; then
    echo "$name is not what lupdate makes of the code (build the update_translations target):"
    diff "$source/translations/$name" "$ts" | head -20
    failed=1
  fi
  if grep -q 'type="vanished"\|type="obsolete"' "$ts"; then
    echo "$name keeps texts the code no longer has"
    failed=1
  fi
  out=$("$lrelease" -silent "$ts" -qm "$work/${name%.ts}.qm" 2>&1) || true
  if [[ -n "$out" || ! -s "$work/${name%.ts}.qm" ]]; then
    echo "lrelease $name: $out"
    failed=1
  fi
done

# English needs only its plural forms ("%n brush(es)" -> "1 brush", "2 brushes").
unfinished=$(awk '/<message numerus="yes">/ { plural = 1 } /<\/message>/ { plural = 0 }
                  plural && /type="unfinished"/ { n++ } END { print n + 0 }' "$work/kelbrin_en.ts")
if [[ "$unfinished" != 0 ]]; then
  echo "kelbrin_en.ts lacks the English plural forms of $unfinished texts"
  failed=1
fi

for language in "$@"; do
  ts="$work/kelbrin_$language.ts"
  unfinished=$(grep -c 'type="unfinished"' "$ts" || true)
  if [[ "$unfinished" != 0 ]]; then
    echo "kelbrin_$language.ts is called complete but has $unfinished unfinished texts"
    failed=1
  fi
done
exit $failed
