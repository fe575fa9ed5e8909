#!/usr/bin/env bash
# The web page for phones in a real browser (Chromium through Selenium, at a phone's size) against the
# program without windows on a private session bus, in a network namespace of its own where the machine has
# a network with a default route and a second one beside it: started with --web, its address taken from the
# bus and opened with its token, on air tapped and the fake transmitter's report seen, a frequency set by
# tessalyctl shown by the page, the page for a German browser (its numbers, "98,7" typed), a wrong token and
# another site's changes refused; then the phone let in,
# the page opened at the default route's address, and that page cut off when the phone is let out again;
# then the attacks that once kept the owner out, with a ledger of what the program holds.
# Usage: web_e2e.sh <tessaly executable> <directory holding the fake libHIDApi.so> <tessalyctl executable>
#        [screenshot.png]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"
tessaly=$1
fake_dir=$2
ctl=$3
for tool in chromium chromedriver dbus-run-session gdbus; do
    command -v "$tool" >/dev/null || {
        echo "SKIP: $tool is not installed"
        exit 77
    }
done
/usr/bin/python3 -c 'import selenium' 2>/dev/null || {
    echo "SKIP: python3-selenium is not installed"
    exit 77
}
# A network of our own: the phone's (with the default route) and a bridge's beside it.
if [ -z "${TESSALY_WEB_E2E_NET:-}" ]; then
    namespace=(unshare --net)
    [ "$(id -u)" -eq 0 ] || namespace=(unshare --net --map-root-user)
    exec env TESSALY_WEB_E2E_NET=1 "${namespace[@]}" -- "$0" "$@"
fi
if [ "$TESSALY_WEB_E2E_NET" = 1 ]; then
    ip link set lo up
    ip link add phone0 type veth peer name phone1
    ip link add bridge0 type veth peer name bridge1
    ip addr add 203.0.113.5/24 dev bridge0
    ip addr add 198.51.100.7/24 dev phone0
    for link in phone0 phone1 bridge0 bridge1; do ip link set "$link" up; done
    ip route add default via 198.51.100.1 dev phone0
    export TESSALY_WEB_E2E_NET=up
fi
# A session bus of our own for the whole run.
if [ -z "${TESSALY_WEB_E2E_BUS:-}" ]; then
    exec env TESSALY_WEB_E2E_BUS=1 dbus-run-session -- "$0" "$@"
fi
LSAN_OPTIONS="suppressions=$(dirname "${BASH_SOURCE[0]}")/lsan.supp"
export LSAN_OPTIONS

work=$(mktemp -d)
dir=$work/headless
# The program is waited for before its directory goes: it writes its settings there as it ends.
trap 'status=$?; kill ${program_pid:-} ${listener_pid:-} 2>/dev/null || true; wait 2>/dev/null; show_program_errors $status "$work"; rm -rf "$work"' EXIT
prepare_copy "$dir" "$tessaly"
port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
printf 'WebPort=%s\n' "$port" >"$dir/Web.ini"
listen
env -u LD_LIBRARY_PATH LD_LIBRARY_PATH="$fake_dir" XDG_RUNTIME_DIR="$dir/runtime" TESSALY_TEST_LOCK_DIR="$dir/runtime" \
    TESSALY_FAKE_HID_LOG="$dir/hid.log" TESSALY_FAKE_HID_SOCKET="$dir/hid.sock" "$dir/tessaly" --headless --web \
    2>"$dir/stderr.log" &
program_pid=$!

web_address() {
    gdbus call --session -d org.tessaly.Tessaly -o /org/tessaly/Tessaly -m org.freedesktop.DBus.Properties.Get \
        org.tessaly.Tessaly1 WebAddress 2>/dev/null | sed -n "s/.*'\(http[^']*\)'.*/\1/p"
}
has_address() { [ -n "$(web_address)" ]; }
eventually has_address || eventually has_address || fail "no WebAddress on the bus"
address=$(web_address)
[[ $address == "http://127.0.0.1:$port/?token="* ]] || fail "address $address"
grep -q '^WebControl=1$' "$dir/Web.ini" || fail "--web was not kept in Web.ini"
[ "$(stat -c %a "$dir/WebToken")" = 600 ] || fail "WebToken is not private"

/usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/web_page.py" "$address" "$ctl" "$dir/hid.log" "$work" "${4:-}"
kill -0 "$program_pid" || fail "the program ended"

# The hostile group: idle clients poking without the token and slow heads, each reopened at once, 25 s
# each, while the owner loads the page and talks on an open one; what the program holds is counted before
# and must come back after.
before=$(ledger "$program_pid" "$dir")
/usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/web_attack.py" "$(web_address)" || fail "the owner was kept out"
# AddressSanitizer holds freed memory back (its quarantine, 256 MB): there only its leak check at the end
# tells, and the plain build's memory.
slack=8192
! grep -q libasan "/proc/$program_pid/maps" || slack=$((320 * 1024))
ledger_settled "$before" "$program_pid" "$dir" "$slack"
[ "$(grep -c . "$dir/stderr.log")" -le 1 ] || fail "clients' doings reached stderr: $(cat "$dir/stderr.log")"

# A page switched off through the bus; a port out of range refused.
bus() { gdbus call --session -d org.tessaly.Tessaly -o /org/tessaly/Tessaly -m "$@" >/dev/null 2>&1; }
! bus org.freedesktop.DBus.Properties.Set org.tessaly.Tessaly1 WebPort '<uint32 80>' || fail "WebPort 80 taken"
bus org.freedesktop.DBus.Properties.Set org.tessaly.Tessaly1 WebControl '<false>' || fail "WebControl false failed"
! has_address && grep -q '^WebControl=0$' "$dir/Web.ini" || fail "the page stayed on"
kill -TERM "$program_pid"
wait "$program_pid" || fail "the program's exit status $? after SIGTERM"
echo "PASS"
