#!/usr/bin/env bash
# The translated man pages say the same commands as the English ones: a translation that misses
# an option the English page gained, or still names one it lost, is caught here.
#   check_man_translations.sh SOURCE_DIR
set -euo pipefail
man=$1/docs/man
status=0
sections() { grep -c '^# ' "$1"; }
# The first line under the first heading, up to the " - " that starts the description.
name_command() { awk '/^# /{n++; next} n==1 && NF {sub(/ - .*/, ""); print; exit}' "$1"; }
# The second section's command lines, their underlined placeholders (translated) blanked.
synopsis() { awk '/^# /{n++; next} n==2 && /^\*/' "$1" | sed 's/_[^_]*_/_…_/g'; }
options() { grep -o -- '--[a-z][a-z0-9-]*' "$1" | sort -u; }
problem() { echo "FAIL: $1: $2"; status=1; }

shopt -s nullglob
pages=("$man"/*/*.1.scd)
((${#pages[@]})) || { echo "FAIL: no translated page under $man"; exit 1; }
for page in "${pages[@]}"; do
  english=$man/$(basename "$page")
  where=${page#"$man"/}
  [[ -f $english ]] || { problem "$where" "no English page $(basename "$page")"; continue; }
  [[ $(sections "$page") == "$(sections "$english")" ]] ||
    problem "$where" "$(sections "$page") sections, the English page has $(sections "$english")"
  [[ $(name_command "$page") == "$(name_command "$english")" ]] ||
    problem "$where" "NAME says '$(name_command "$page")', not '$(name_command "$english")'"
  diff <(synopsis "$english") <(synopsis "$page") >/dev/null ||
    problem "$where" "SYNOPSIS differs: $(diff <(synopsis "$english") <(synopsis "$page") | grep '^[<>]' | tr '\n' ' ')"
  for option in $(comm -23 <(options "$english") <(options "$page")); do
    problem "$where" "option $option of the English page is missing"
  done
  for option in $(comm -13 <(options "$english") <(options "$page")); do
    problem "$where" "option $option is not on the English page"
  done
done
((status)) || echo "ok: ${#pages[@]} translated pages match the English ones"
exit $status
