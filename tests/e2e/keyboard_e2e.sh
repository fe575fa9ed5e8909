#!/usr/bin/env bash
# The real program used with the keyboard alone (xdotool keys, the X server's own auto-repeat on): on air,
# three taps and a hold of Frequency up until it has repeated twice, mute, PA-VALUE with Page Up and End, the
# settings window's band with the arrows, Escape twice. Checks the reports and what was saved.
# Usage: keyboard_e2e.sh <tessaly executable> <directory holding the fake libHIDApi.so>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"
require_x_tools
work=$(mktemp -d)
trap 'status=$?; kill "${program_pid:-}" ${listener_pid:-} 2>/dev/null || true; stop_x; show_program_errors "$status" "$work"; rm -rf "$work"' EXIT
start_x
prepare_copy "$work" "$1"
dir=$work
listen # the reports reach the log as they are sent, so the hold can end on them
start_program "$work" "$2" TESSALY_FAKE_HID_SOCKET="$work/hid.sock"
key() {
    xdotool key --clearmodifiers "$@" sleep 0.3
}
focus() {
    xdotool windowfocus --sync "$(timeout 60 xdotool search --sync --onlyvisible --name "$1" | head -n 1)" sleep 0.3
}
focus '^Tessaly$'
key Tab Tab space # from minimize to close, to Transmit: on air
key Tab Tab       # Frequency down, Frequency up
key space
key space
key space
# Three taps, the hold's first step and a repeat.
repeated() { [ "$(grep -c '^report 000050.\{6\}19' "$work/hid.log")" -ge 5 ]; }
xdotool keydown space
eventually repeated || fail "holding Frequency up did not repeat"
xdotool keyup space sleep 0.3
key Tab space                          # Mute
key Tab Tab Page_Up End                # Settings, PA-VALUE
key shift+Tab space                    # Settings opens, TX-GAIN has the focus
focus '^Tessaly Set$'
key shift+Tab shift+Tab shift+Tab Down # Spacing, De-emphasis, Band: 76 - 90MHz
key Escape
xdotool windowfocus --sync "$main_window" key Escape
wait "$program_pid" || fail "exit status $?"

# After the opening pair: on air, 50 kHz steps (three taps, then the hold's two or more), mute, PA-VALUE 100
# then 120, the band's clamp to 90.00 MHz and the new options.
/usr/bin/python3 - "$work/hid.log" <<'CHECK' || fail "unexpected device traffic:$(printf '\n')$(cat "$work/hid.log")"
import sys
reports = [line.split()[1] for line in open(sys.argv[1]) if line.startswith("report ")][2:]
tune = lambda code, power, mode: "000050%04X%s%s0000" % (code, power, mode)
steps = [r for r in reports if r[12:14] == "19"]
last = 0x118 + len(steps)
assert len(steps) >= 5, steps
assert reports[:len(steps) + 6] == [tune(0x118, "78", "09")] + [
    tune(code, "78", "19") for code in range(0x119, last + 1)] + [tune(last, "78", "05"), tune(last, "64", "05"),
    tune(last, "78", "05"), tune(0x118, "78", "15"), "000051032700000000"]
CHECK
[ "$(settings_hex "$work")" = 282300005a0000000000000027000000 ] || fail "Config.ini holds $(settings_hex "$work")"
echo "PASS"
