#!/usr/bin/env bash
# Runs one fuzz target for a fixed number of inputs from a fixed seed, so that every run
# tries the same inputs: first every seed and kept crash input, then mutations of them.
# A crash, a sanitizer report or a broken property fails the test; the input that did it
# is written to the current folder (crash-..., leak-..., timeout-...): add it to
# fuzz/corpus/NAME so that it stays a regression input.
# The time limit only guards CI against a very slow machine.
# usage: run_fuzz.sh FUZZER RUNS MAX_LEN SEED_FOLDER...
set -euo pipefail
fuzzer="$1"; runs="$2"; maxlen="$3"; shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
seeds=()
for d in "$@"; do [ -d "$d" ] && seeds+=("$d"); done
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"
# New inputs go to the scratch folder; the seed folders are only read.
"$fuzzer" -seed=1 -runs="$runs" -max_total_time=60 -timeout=20 -rss_limit_mb=2048 -max_len="$maxlen" \
  -artifact_prefix="$PWD/" -print_final_stats=1 "$work" "${seeds[@]}"
