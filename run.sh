#!/usr/bin/env bash
# Builds a release build of the program and starts it.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh run

cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc 2>/dev/null || echo 2)" --target pick3

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "There is no display to show the program on (DISPLAY and WAYLAND_DISPLAY are empty)." >&2
  echo "Run it on a desktop, or under a virtual display:  xvfb-run -a ./run.sh" >&2
  exit 1
fi
exec build/release/pick3 "$@"
