#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running the program need.
# Usage: tools/install-deps.sh build|run
set -euo pipefail

packages=(cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins libgl1-mesa-dev
          qt6-charts-dev libqt6opengl6-dev qt6-svg-dev libboost-math-dev
          libgtest-dev libbenchmark-dev fonts-dejavu-core nlohmann-json3-dev
          libsqlite3-dev libsqlitecpp-dev ca-certificates)
# Qt's TLS plugins come with libqt6network6 (a dependency of qt6-base-dev), which pulls in
# libssl3; ca-certificates is the system's store that Update checks a site's certificate
# against, and nothing pulls it in on a bare system.
if [ "${1:-build}" = run ]; then
  packages+=(xvfb xauth)
fi
if [ "${1:-build}" = test ]; then
  packages+=(desktop-file-utils appstream dpkg-dev file clang-14 libclang-rt-14-dev poppler-utils sqlite3)
fi

missing=()
for p in "${packages[@]}"; do
  grep -q 'install ok installed' <<<"$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  echo "These packages are missing: ${missing[*]}" >&2
  echo "Install them as root: apt-get install ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
