#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks the installed files and
# the menu entry, and starts the installed program the way the menu does,
# on its own Xvfb display: it must open its window "Halvenor", close on
# Escape and leave an empty hv.dat in the home folder.
# Usage: install_test.sh BUILD_DIR CONFIGURED_PREFIX
set -euo pipefail
build_dir=$1
configured_prefix=$2

tmp=$(mktemp -d)
app_pid= xvfb_pid= watchdog_pid=
cleanup() {
  local status=$?
  set +e
  [[ -n "$app_pid" ]] && kill -KILL "$app_pid" 2>/dev/null
  [[ -n "$watchdog_pid" ]] && kill "$watchdog_pid" 2>/dev/null
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$tmp"
  exit "$status"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$tmp/prefix
cmake --install "$build_dir" --prefix "$prefix" >"$tmp/install.log" || {
  cat "$tmp/install.log"; fail "cmake --install failed"; }

for file in bin/halvenor libexec/halvenor/halvenor-launcher; do
  [[ -x "$prefix/$file" ]] || fail "$file is missing or not executable"
done
for file in share/applications/halvenor.desktop \
            share/metainfo/io.github.halvenor.Halvenor.metainfo.xml \
            share/icons/hicolor/{16x16,32x32,48x48,128x128}/apps/halvenor.png \
            share/icons/hicolor/scalable/apps/halvenor.svg \
            share/man/man1/halvenor.1.gz \
            share/doc/halvenor/{manual.html,copyright,changelog.gz} \
            share/halvenor/examples/{ReportOutside,ReportInside}.htm; do
  [[ -s "$prefix/$file" ]] || fail "$file is missing or empty"
done
zcat "$prefix/share/man/man1/halvenor.1.gz" | grep -q '^\.SH FILES' || fail "man page has no FILES"

desktop=$prefix/share/applications/halvenor.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net --pedantic \
  "$prefix/share/metainfo/io.github.halvenor.Halvenor.metainfo.xml" >"$tmp/as.log" || {
  cat "$tmp/as.log"; fail "appstreamcli validate"; }

# The menu entry's command, moved from the configured prefix to this one.
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
[[ "$exec_line" == "$configured_prefix"/* ]] || fail "Exec=$exec_line is outside $configured_prefix"
launcher=$prefix${exec_line#"$configured_prefix"}
[[ -x "$launcher" ]] || fail "Exec=$exec_line is not installed"

# A display of our own.
exec 3>"$tmp/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$tmp/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do [[ -s "$tmp/display" ]] && break; sleep 0.1; done
[[ -s "$tmp/display" ]] || { cat "$tmp/xvfb.log"; fail "Xvfb did not start"; }
export DISPLAY=:$(head -n1 "$tmp/display")
export NO_AT_BRIDGE=1 GDK_BACKEND=x11

# Started as the menu starts it, from elsewhere: it must work in $HOME.
mkdir "$tmp/home" "$tmp/elsewhere"
(cd "$tmp/elsewhere" && HOME=$tmp/home exec "$launcher" </dev/null >"$tmp/app.log" 2>&1) &
app_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Halvenor$' | head -n1) || {
  cat "$tmp/app.log"; fail "no window named Halvenor within 20 s"; }

xdotool windowfocus --sync "$window" key Escape
# It has ten seconds to save and exit; a kill then shows as status 137.
(trap 'kill "$nap" 2>/dev/null; exit 0' TERM
 sleep 10 & nap=$!; wait "$nap"; kill -KILL "$app_pid") >/dev/null 2>&1 &
watchdog_pid=$!
status=0
wait "$app_pid" || status=$?
app_pid=
kill "$watchdog_pid" 2>/dev/null || true
[[ "$status" != 137 ]] || fail "the program did not close on Escape"
[[ "$status" == 0 ]] || { cat "$tmp/app.log"; fail "the program exited with status $status"; }

[[ -f "$tmp/home/hv.dat" ]] || fail "no hv.dat in the home folder"
[[ ! -s "$tmp/home/hv.dat" ]] || fail "hv.dat is not empty"
[[ ! -e "$tmp/elsewhere/hv.dat" ]] || fail "hv.dat was written outside the home folder"
echo "PASS: installed, validated, started from the menu command in \$HOME and closed"
