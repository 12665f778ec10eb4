#!/usr/bin/env bash
# Builds the engine's fuzz targets with clang's libFuzzer (AddressSanitizer and
# UndefinedBehaviorSanitizer on) and runs each for a bounded time, starting from
# its seed files. Usage: tools/fuzz.sh [seconds per target, 20 by default]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc 2>/dev/null || echo 2)"

status=0
for target in build/fuzz/tests/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  work=$(mktemp -d)
  seeds="tests/fuzz/corpus/${name#fuzz_}"
  [ -d "$seeds" ] && cp -r "$seeds"/. "$work"/
  echo "=== $name: ${seconds}s ==="
  # -timeout: one input that takes over 10 s counts as a hang; -rss_limit_mb: a run
  # that needs over 2 GB counts as a fault.
  if ! "$target" "$work" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
       -max_len=65536 -print_final_stats=0 2>"$work.log"; then
    tail -n 40 "$work.log" >&2
    echo "$name: FAILED" >&2
    status=1
  else
    grep -E '^(#[0-9]+ *DONE|Done)' "$work.log" | tail -n 1 || true
    echo "$name: passed"
  fi
  rm -rf "$work" "$work.log"
done
exit $status
