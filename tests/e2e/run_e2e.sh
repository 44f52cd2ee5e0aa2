#!/bin/sh
# Runs one end-to-end test module in a desktop of its own: a private runtime
# directory and session bus here, a virtual display and window manager
# started by the harness.
#   run_e2e.sh <program> <test module>
set -eu
here=$(cd "$(dirname "$0")" && pwd)
runtime=$(mktemp -d /tmp/halvenor-e2e-runtime.XXXXXX)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime"
export HALVENOR_PROGRAM="$1"
unset NO_AT_BRIDGE DBUS_SESSION_BUS_ADDRESS DISPLAY WAYLAND_DISPLAY
export GNOME_ACCESSIBILITY=1 GTK_A11Y=atk
status=0
dbus-run-session -- /usr/bin/python3 "$here/$2" </dev/null || status=$?
rm -rf "$runtime"
exit "$status"
