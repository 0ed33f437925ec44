#!/usr/bin/env bash
# Runs the fuzz targets longer than CTest does, by hand: each for SECONDS (default 600),
# with a growing corpus kept in build-sanitize/fuzz-corpus/NAME between runs. Builds the
# sanitizer build first (scripts/test-sanitize.sh's configuration).
# usage: scripts/fuzz.sh [SECONDS] [NAME...]      (NAME: save_record, save_load, loc, ...)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"; shift || true
BUILD_DIR="${SANITIZE_BUILD_DIR:-build-sanitize}"
if [ ! -f "$BUILD_DIR/build.ninja" ]; then
  echo "fuzz: configure the sanitizer build first: scripts/test-sanitize.sh" >&2
  exit 1
fi
cmake --build "$BUILD_DIR" --target fuzz_targets
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  for f in "$BUILD_DIR"/*_fuzz; do names+=("$(basename "${f%_fuzz}")"); done
fi
program_dir=$(sed -n 's/^FIEFDOM_PROGRAM_DIR:PATH=//p' "$BUILD_DIR/CMakeCache.txt")
[ -n "$program_dir" ] || program_dir="$BUILD_DIR/game"
status=0
for name in "${names[@]}"; do
  corpus="$BUILD_DIR/fuzz-corpus/$name"
  mkdir -p "$corpus" "$BUILD_DIR/fuzz-crashes"
  extra=()
  case "$name" in
    loc) extra=("$program_dir/localizations") ;;
    text_source) extra=(data/texts) ;;
    level_map) extra=(data/map) ;;
    script_parser) extra=(tests/scenarios) ;;
  esac
  # Seed folders that do not exist are left out: libFuzzer refuses to start on one.
  seeds=()
  for d in "fuzz/corpus/$name" "${extra[@]}"; do [ -d "$d" ] && seeds+=("$d"); done
  echo "== $name for $seconds s (corpus $corpus)"
  UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}" \
    "$BUILD_DIR/${name}_fuzz" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -max_len=65536 \
    -artifact_prefix="$BUILD_DIR/fuzz-crashes/${name}-" -print_final_stats=1 \
    "$corpus" "${seeds[@]}" || status=1
done
exit $status
