#!/usr/bin/env bash
# Runs a copy of the real program under a virtual X server with a session bus and the accessibility bus,
# and uses it through AT-SPI only (accessibility_walk.py); then checks what the fake transmitter received
# and what was saved.
# Usage: accessibility_e2e.sh <tessaly executable> <directory holding the fake libHIDApi.so>
set -euo pipefail

# shellcheck source=tests/e2e/e2e_common.sh
source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"

launcher=/usr/libexec/at-spi-bus-launcher
if [ "${1:-}" = --session ]; then
    "$launcher" --launch-immediately &
    bus=$!
    trap 'kill "$bus"' EXIT
    # The walker listens before the program starts, so that the program learns of it when it registers.
    /usr/bin/python3 "$(dirname "$0")/accessibility_walk.py" &
    walker=$!
    sleep 1
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$2" &
    program=$!
    wait "$walker" || fail "the walk through the tree failed"
    timeout 60 tail --pid="$program" -f /dev/null || fail "the close button's Press did not end the program"
    wait "$program" || fail "exit status $?"
    exit 0
fi

tessaly=$1
fake_dir=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
require_x_tools
[ -x "$launcher" ] && command -v dbus-run-session >/dev/null && /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || {
    echo "SKIP: the accessibility bus or pyatspi is not installed"
    exit 77
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prepare_copy "$work" "$tessaly"
env -u LD_LIBRARY_PATH QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime" TESSALY_TEST_LOCK_DIR="$work/runtime" \
    LD_LIBRARY_PATH="$fake_dir" TESSALY_FAKE_HID_LOG="$work/hid.log" LSAN_OPTIONS="suppressions=$here/lsan.supp" \
    xvfb-run -a -s "-screen 0 1024x768x24 -noreset" dbus-run-session -- "$0" --session "$work/tessaly"

# On air, one step to 90.05 MHz, PA-VALUE 100, mute, the options unchanged.
reports=$(awk '$1 == "report" { print $3 }' "$work/hid.log" | sed -n 3,7p | tr '\n' ' ')
[ "$reports" = "000050011878090000 000050011978190000 000050011964090000 000050011964050000 000051032500000000 " ] ||
    fail "unexpected device traffic:$(printf '\n')$(cat "$work/hid.log")"
settings=$(od -An -v -tx1 "$work/Config.ini" | tr -d ' \n')
[ "$settings" = 2d230000460000000000000025000000 ] || fail "Config.ini holds $settings"
echo "PASS"
