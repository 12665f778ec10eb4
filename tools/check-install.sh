#!/usr/bin/env bash
# Checks the desktop installation of a configured and built tree: installs it into a
# scratch prefix, validates the menu entry and the AppStream metadata, builds the
# Debian package with CPack and looks inside it.
# Usage: tools/check-install.sh BUILD_DIR
set -uo pipefail

if [ $# -ne 1 ] || [ ! -f "$1/CMakeCache.txt" ]; then
  echo "Usage: $0 BUILD_DIR  (a configured and built tree)" >&2
  exit 2
fi
build=$(cd "$1" && pwd)

app_id=example.quorvel.Pick3Tallymoor
icon_sizes=(16 32 48 64 128 256)

passed=0
failed=0
pass() { passed=$((passed + 1)); echo "ok   $1"; }
fail() { failed=$((failed + 1)); echo "FAIL $1"; [ -z "${2:-}" ] || printf '%s\n' "$2" | sed 's/^/     /'; }
# check NAME COMMAND...: passes when the command succeeds; shows its output otherwise.
check() {
  local name=$1 out
  shift
  if out=$("$@" 2>&1); then pass "$name"; else fail "$name" "$out"; fi
}

for tool in cmake cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli file readelf strings; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool is missing: run tools/install-deps.sh test" >&2
    exit 2
  fi
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix

# --- cmake --install ------------------------------------------------------------------
if out=$(cmake --install "$build" --prefix "$prefix" 2>&1); then
  pass "cmake --install into a scratch prefix"
else
  fail "cmake --install into a scratch prefix" "$out"
fi

desktop=share/applications/$app_id.desktop
metainfo=share/metainfo/$app_id.metainfo.xml
svg=share/icons/hicolor/scalable/apps/$app_id.svg

is_program() { [ -x "$1" ] && grep -q ELF <<<"$(file -b "$1")"; }
check "program installed: bin/pick3" is_program "$prefix/bin/pick3"

# The charts module sits where the program looks for it (a folder relative to its own,
# written in the program), and the program itself maps no Qt Charts, Qt SVG or OpenGL.
module_rel=$(strings -a "$prefix/bin/pick3" | grep -oE -m 1 '\.\./[A-Za-z0-9_./-]*/pick3-tallymoor')
module=$prefix/bin/$module_rel/libpick3_charts.so
module_found() { [ -n "$module_rel" ] && grep -q 'ELF.*shared object' <<<"$(file -b "$module")"; }
check "charts module installed where the program looks: bin/$module_rel" module_found
# The game library, fetch and print modules sit beside it, loaded on first use the same way.
shared_object() { grep -q 'ELF.*shared object' <<<"$(file -b "$1")"; }
for other in library fetch print; do
  check "$other module installed beside it: libpick3_$other.so" \
    shared_object "$prefix/bin/$module_rel/libpick3_$other.so"
done
lean_program() {
  ! readelf -d "$prefix/bin/pick3" | grep -E 'NEEDED.*(Charts|Svg|OpenGL|Network|sqlite|PrintSupport)'
}
check "program does not link Qt Charts, Qt SVG, OpenGL, Qt Network, SQLite or Qt Print Support" \
  lean_program
games_installed() { [ "$(ls "$prefix"/share/pick3-tallymoor/games/*.json | wc -l)" -eq 11 ]; }
check "the eleven game definitions installed: share/pick3-tallymoor/games" games_installed
check "desktop entry installed: $desktop" test -s "$prefix/$desktop"
check "metadata installed: $metainfo" test -s "$prefix/$metainfo"
check "scalable icon installed: $svg" grep -q '<svg' "$prefix/$svg"

png_is() { grep -q "PNG image data, $2 x $2," <<<"$(file -b "$1")"; }
for s in "${icon_sizes[@]}"; do
  png=share/icons/hicolor/${s}x${s}/apps/$app_id.png
  check "${s}px icon installed: $png" png_is "$prefix/$png" "$s"
done

# The menu entry must start the installed program and name the installed icon.
desktop_key() { sed -n "s/^$1=//p" "$prefix/$desktop" | head -n 1; }
entry_points_home() {
  [ "$(desktop_key Exec)" = pick3 ] && [ "$(desktop_key Icon)" = "$app_id" ] &&
    [ "$(desktop_key Terminal)" = false ] && [ "$(desktop_key Name)" = "Pick3 Tallymoor" ]
}
check "desktop entry: Name, Exec, Icon and Terminal" entry_points_home

# desktop-file-validate exits 0 on warnings: read its output too. Hints pass.
desktop_clean() {
  local out rc
  out=$(desktop-file-validate "$1" 2>&1)
  rc=$?
  printf '%s\n' "$out"
  [ $rc -eq 0 ] && ! grep -Eq ': (error|warning): ' <<<"$out"
}
check "desktop-file-validate" desktop_clean "$prefix/$desktop"

# The menu entry's command line, run as a menu runs it, starts the installed program,
# and the program keeps running (it ends only when the user closes it).
starts_from_entry() {
  local rc
  read -ra cmdline <<<"$(desktop_key Exec)"
  [ "$(PATH="$prefix/bin:$PATH" command -v "${cmdline[0]}")" = "$prefix/bin/pick3" ] || return 1
  PATH="$prefix/bin:$PATH" QT_QPA_PLATFORM=offscreen timeout -k 2 4 "${cmdline[@]}" </dev/null
  rc=$?
  [ $rc -eq 124 ] || { echo "the program ended at once with exit code $rc"; return 1; }
}
check "program starts from the desktop entry and keeps running" starts_from_entry

# Errors, warnings and infos fail, except the one info that cannot be avoided: the
# id's .example top-level domain is not one appstreamcli knows (cid-maybe-not-rdns).
appstream_clean() {
  local out rc
  out=$(appstreamcli validate --no-net --no-color "$1" 2>&1)
  rc=$?
  printf '%s\n' "$out"
  [ $rc -eq 0 ] && [ -z "$(grep -E '^(E|W|I):' <<<"$out" | grep -v ' cid-maybe-not-rdns ')" ]
}
check "appstreamcli validate --no-net" appstream_clean "$prefix/$metainfo"

metainfo_ties() {
  grep -q "<id>$app_id</id>" "$prefix/$metainfo" &&
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$prefix/$metainfo" &&
    grep -q '<release version="3.0.0"' "$prefix/$metainfo"
}
check "metadata: id, launchable and release 3.0.0" metainfo_ties

# --- cpack -G DEB ---------------------------------------------------------------------
debdir=$scratch/deb
if out=$(cpack -G DEB --config "$build/CPackConfig.cmake" -B "$debdir" 2>&1); then
  pass "cpack -G DEB"
else
  fail "cpack -G DEB" "$out"
fi
deb=$(find "$debdir" -maxdepth 1 -name '*.deb' | head -n 1)
if [ -n "$deb" ]; then
  pass "package built: $(basename "$deb")"
  contents=$(dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|')
  in_deb() { grep -qx -- "$1" <<<"$contents"; }
  module_in_deb=/usr/$(realpath -m --relative-to="$prefix" "$module")
  for f in /usr/bin/pick3 "$module_in_deb" "/usr/$desktop" "/usr/$metainfo" "/usr/$svg" \
           /usr/share/pick3-tallymoor/games/texas-pick-3.json \
           /usr/share/pick3-tallymoor/games/other-pick-3.json; do
    check "package holds $f" in_deb "$f"
  done
  for s in "${icon_sizes[@]}"; do
    f=/usr/share/icons/hicolor/${s}x${s}/apps/$app_id.png
    check "package holds $f" in_deb "$f"
  done

  field() { dpkg-deb -f "$deb" "$1"; }
  check "package name pick3-tallymoor" test "$(field Package)" = pick3-tallymoor
  check "package version 3.0.0" test "$(field Version)" = 3.0.0
  check "package maintainer" test "$(field Maintainer)" = "Quorvel <pick3@quorvel.example>"
  check "package homepage" test "$(field Homepage)" = "https://www.quorvel.example/"
  depends=$(field Depends)
  names_qt() { grep -Eq '(^|[ ,])libqt6widgets6([ ,(]|$)' <<<"$depends" &&
                 grep -Eq '(^|[ ,])libqt6core6' <<<"$depends" &&
                 grep -Eq '(^|[ ,])libqt6charts6' <<<"$depends"; }
  check "Depends names the Qt libraries ($depends)" names_qt
else
  fail "package built" "no .deb in $debdir"
fi

if [ $failed -ne 0 ]; then
  echo "install: $passed passed, $failed failed"
  exit 1
fi
echo "install: $passed passed, 0 failed"
