#!/usr/bin/env bash
# Runs the fuzz targets of a build made with -DQV_FUZZ=ON: each over its seeds (fuzz/corpus/<name>/) and the
# inputs that once failed (fuzz/regressions/<name>/), then fuzzes it for SECONDS more. Fails on any crash,
# sanitizer report, leak or hang. New inputs go to a scratch folder; the repository is left as it is.
#   fuzz/run.sh BUILD_DIR [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?usage: fuzz/run.sh BUILD_DIR [SECONDS] [TARGET...]}
seconds=${2:-5}
shift $(( $# >= 2 ? 2 : 1 ))
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/fuzz/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export QT_QPA_PLATFORM=offscreen

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for bin in "$build"/fuzz/*_fuzz; do
    [ -x "$bin" ] && targets+=("$(basename "$bin" _fuzz)")
  done
fi
[ ${#targets[@]} -gt 0 ] || { echo "no fuzz targets in $build/fuzz" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=()
for name in "${targets[@]}"; do
  dirs=()
  for d in "fuzz/corpus/$name" "fuzz/regressions/$name"; do
    [ -d "$d" ] && dirs+=("$d")
  done
  mkdir -p "$scratch/$name"
  log="$scratch/$name.log"
  if "$build/fuzz/${name}_fuzz" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2560 \
       -artifact_prefix="$scratch/$name-" -print_final_stats=1 "$scratch/$name" "${dirs[@]}" >"$log" 2>&1; then
    echo "fuzz $name: ok ($(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$') runs," \
         "$(grep -o 'cov: [0-9]*' "$log" | tail -1))"
  else
    echo "fuzz $name: FAILED" >&2
    tail -n 60 "$log" >&2
    for a in "$scratch/$name"-*; do
      [ -e "$a" ] && { echo "failing input (base64) $a:" >&2; base64 "$a" | head -c 4000 >&2; echo >&2; }
    done
    failed+=("$name")
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz targets that failed: ${failed[*]}" >&2
  exit 1
fi
