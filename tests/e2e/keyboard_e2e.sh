#!/usr/bin/env bash
# The real program used with the keyboard alone (xdotool keys, the X server's own auto-repeat on): on air,
# three taps and a 1.3 s hold of Frequency up, mute, PA-VALUE with Page Up and End, the settings window's
# band with the arrows, Escape twice. Checks the reports, the rhythm of the held step, and what was saved.
# Usage: keyboard_e2e.sh <tessaly executable> <directory holding the fake libHIDApi.so>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"
require_x_tools
work=$(mktemp -d)
trap 'status=$?; kill "${program_pid:-}" 2>/dev/null || true; stop_x; show_program_errors "$status" "$work"; rm -rf "$work"' EXIT
start_x
prepare_copy "$work" "$1"
start_program "$work" "$2"
key() {
    xdotool key --clearmodifiers "$@" sleep 0.3
}
focus() {
    xdotool windowfocus --sync "$(timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -n 1)" sleep 0.3
}
focus '^Tessaly$'
key Tab Tab space # from minimize to close, to Transmit: on air
key Tab Tab       # Frequency down, Frequency up
key space
key space
key space
xdotool keydown space sleep 1.3 keyup space sleep 0.3
key Tab space                          # Mute
key Tab Tab Page_Up End                # Settings, PA-VALUE
key shift+Tab space                    # Settings opens, TX-GAIN has the focus
focus '^Tessaly Set$'
key shift+Tab shift+Tab shift+Tab Down # Spacing, De-emphasis, Band: 76 - 90MHz
key Escape
xdotool windowfocus --sync "$main_window" key Escape
wait "$program_pid" || fail "exit status $?"

# After the opening pair: on air, 50 kHz steps (three taps, then the hold: one step at once, the next
# 500 ms later, then one every 100 ms until the release at 1.3 s: 9, give or take the one tick that a
# loaded machine moves across the release), mute, PA-VALUE 100 then 120, the band's clamp to 90.00 MHz
# and the new options.
/usr/bin/python3 - "$work/hid.log" <<'CHECK' || fail "unexpected device traffic:$(printf '\n')$(cat "$work/hid.log")"
import sys
reports = [line.split()[1:] for line in open(sys.argv[1]) if line.startswith("report ")][2:]
tune = lambda code, power, mode: "000050%04X%s%s0000" % (code, power, mode)
steps = [int(at) for at, r in reports if r[12:14] == "19"]
last, hold = 0x118 + len(steps), steps[3:]
assert [r for _, r in reports][:len(steps) + 6] == [tune(0x118, "78", "09")] + [
    tune(code, "78", "19") for code in range(0x119, last + 1)] + [tune(last, "78", "05"), tune(last, "64", "05"),
    tune(last, "78", "05"), tune(0x118, "78", "15"), "000051032700000000"]
assert 8 <= len(hold) <= 10 and 490_000 <= hold[1] - hold[0] <= 800_000, hold
assert all(90_000 <= later - earlier <= 300_000 for earlier, later in zip(hold[1:], hold[2:])), hold
CHECK
[ "$(settings_hex "$work")" = 282300005a0000000000000027000000 ] || fail "Config.ini holds $(settings_hex "$work")"
echo "PASS"
