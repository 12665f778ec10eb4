#!/usr/bin/env bash
# Builds and runs every test, headless: first a normal build, then an
# AddressSanitizer + UndefinedBehaviorSanitizer build. Warnings are errors in both.
# Then the engine's readers are fuzzed with libFuzzer for a bounded time.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh test

jobs=$(nproc 2>/dev/null || echo 2)
export QT_QPA_PLATFORM=offscreen
for preset in ci sanitize; do
  echo "=== $preset build ==="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done
echo "=== fuzz run ==="
tools/fuzz.sh "${PICK3_FUZZ_SECONDS:-20}"
if [ -x tools/check-install.sh ]; then
  tools/check-install.sh build/ci
fi
