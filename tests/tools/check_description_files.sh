#!/usr/bin/env bash
# Checks description files with outside tools, for ctest.
#   check_description_files.sh smilint|pysmi|xmllint <base-modules-folder> [--expect-errors] <file>...
# smilint exits 0 even on errors, so its report is read: any line at level 3 or below fails the file.
# --expect-errors turns the check around (a broken control file must be caught).
set -uo pipefail

tool=$1 base=$2
shift 2
expect=ok
if [ "${1:-}" = "--expect-errors" ]; then expect=errors; shift; fi

need() {
  command -v "$1" >/dev/null 2>&1 || { echo "FAIL: '$1' is not installed (package $2; scripts/setup.sh installs it)" >&2; exit 1; }
}
python=/usr/bin/python3
[ -x "$python" ] || python=python3

status=0
for file in "$@"; do
  case "$tool" in
    smilint)
      need smilint smitools
      report=$(SMIPATH="$base" smilint -s -l 3 "$file" 2>&1)
      [ -z "$report" ]; ok=$?
      ;;
    pysmi)
      "$python" -c "import pysmi" 2>/dev/null || { echo "FAIL: pysmi is not installed (package python3-pysmi)" >&2; exit 1; }
      # pysmi finds a module by its name: GATEWAY.
      work=$(mktemp -d)
      cp "$file" "$work/GATEWAY.mib"
      report=$("$python" "$(dirname "$0")/pysmi_check.py" "$work:$base" GATEWAY 2>&1)
      ok=$?
      rm -rf "$work"
      ;;
    xmllint)
      need xmllint libxml2-utils
      report=$(xmllint --noout "$file" 2>&1)
      ok=$?
      ;;
    *)
      echo "unknown tool $tool" >&2
      exit 2
      ;;
  esac
  if [ "$expect" = ok ] && [ $ok -ne 0 ]; then
    echo "FAIL: $tool rejects $file:" >&2
    echo "$report" >&2
    status=1
  elif [ "$expect" = errors ] && [ $ok -eq 0 ]; then
    echo "FAIL: $tool did not catch the fault in $file" >&2
    status=1
  else
    echo "$tool: $file ${expect}"
  fi
done
exit $status
