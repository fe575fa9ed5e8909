#!/usr/bin/env bash
# Runs a copy of the real program under a virtual X server, closes it with Escape, and checks what the
# transmitter received and what was saved: once with the fake companion library, once with none at all.
# Usage: device_link_e2e.sh <tessaly executable> <directory holding the fake libHIDApi.so>
set -euo pipefail

# shellcheck source=tests/e2e/e2e_common.sh
source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"

# One run inside the X server: start, wait for the window, give it the focus, press Escape, wait for the
# exit. Prints the program's exit status.
if [ "${1:-}" = --session ]; then
    "$2" &
    program=$!
    window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Tessaly$' | head -n 1) ||
        fail "no window titled Tessaly appeared"
    timeout 60 xdotool windowfocus --sync "$window" || fail "the window did not take the focus"
    xdotool key --clearmodifiers Escape
    status=0
    timeout 60 tail --pid="$program" -f /dev/null || fail "Escape did not end the program"
    wait "$program" || status=$?
    echo "$status"
    exit 0
fi

tessaly=$1
fake_dir=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
require_x_tools

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

run_copy() {
    local dir=$1
    shift
    prepare_copy "$dir" "$tessaly"
    env -u LD_LIBRARY_PATH QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$dir/runtime" TESSALY_TEST_LOCK_DIR="$dir/runtime" \
        TESSALY_FAKE_HID_LOG="$dir/hid.log" LSAN_OPTIONS="suppressions=$here/lsan.supp" "$@" \
        xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" --session "$dir/tessaly"
}

default_settings=282300005a0000000000000025000000
check_settings() {
    [ -f "$1/Config.ini" ] || fail "no Config.ini was written"
    local bytes
    bytes=$(od -An -v -tx1 "$1/Config.ini" | tr -d ' \n')
    [ "$bytes" = "$default_settings" ] || fail "Config.ini holds $bytes, not the defaults"
}

# With the fake: the opening reports at least 18 ms apart (the transmitter's time to retune), then the close
# through CloseHIDDevice.
with_fake=$work/with-fake
status=$(run_copy "$with_fake" LD_LIBRARY_PATH="$fake_dir")
[ "$status" = 0 ] || fail "exit status $status with the fake library"
check_settings "$with_fake"
[ -f "$with_fake/hid.log" ] || fail "the fake library was not loaded"
awk '
    NR == 1 && $0 != "OpenHIDDevice 1133 2574 0 0 1" { print "line 1: " $0; bad = 1 }
    NR == 2 && !($1 == "report" && $3 == "0000500118781A0000") { print "line 2: " $0; bad = 1 }
    NR == 3 && !($1 == "report" && $3 == "000051032500000000") { print "line 3: " $0; bad = 1 }
    NR == 4 && $0 != "CloseHIDDevice" { print "line 4: " $0; bad = 1 }
    NR == 2 { tune = $2 }
    NR == 3 { gap = $2 - tune; if (gap < 18000) { print "reports " gap " us apart"; bad = 1 } }
    END { if (NR != 4) { print NR " lines"; bad = 1 } exit bad }
' "$with_fake/hid.log" || fail "unexpected device traffic:$(printf '\n')$(cat "$with_fake/hid.log")"

# A damaged Config.ini holding 115.00 MHz: the transmitter opens at the band's upper edge, 108.00 MHz, and the
# exit stores that.
damaged=$work/damaged
mkdir -p "$damaged"
printf '\xec\x2c\0\0\x5a\0\0\0\0\0\0\0\x25\0\0\0' >"$damaged/Config.ini"
status=$(run_copy "$damaged" LD_LIBRARY_PATH="$fake_dir")
[ "$status" = 0 ] && [ "$(sed -n '2s/^report [0-9]* //p' "$damaged/hid.log")" = 0000500280781A0000 ] ||
    fail "the opening report for a stored 115.00 MHz:$(printf '\n')$(cat "$damaged/hid.log")"
[ "$(od -An -v -tx1 "$damaged/Config.ini" | tr -d ' \n')" = 302a00005a0000000000000025000000 ] ||
    fail "the exit did not store 108.00 MHz"

# Without any companion library the window still runs, and ends cleanly.
without=$work/without-library
status=$(run_copy "$without")
[ "$status" = 0 ] || fail "exit status $status without a companion library"
check_settings "$without"
[ ! -e "$without/hid.log" ] || fail "a companion library was loaded although none was offered"

echo "PASS"
