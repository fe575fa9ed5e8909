#!/usr/bin/env bash
# The program in a desktop session as it really goes, each scenario on an X server of its own:
#   session-end  SIGTERM (repeated), SIGHUP and SIGINT end it through the close button's teardown with
#                status 0, each other one ignored at start stays ignored; a lost X server still switches
#                the transmitter off and leaves the run's settings in Config.ini
#   hotplug      udev announcements, sent inside a network namespace of the program's own so that no other
#                listener hears them, through the program's own monitor: only the open node's removal closes
#                the link; a transmitter failing every write never shows more than one message
#   place        the window opens where it was closed, and centred when that place is off every screen
#   tray         trayer started after the program: the icon docks then, raises the main window over a
#                cover, also with the settings window open, which stays on top and keeps blocking the main
#                window; its right-click menu goes on air and quits as the close button does
#   stall        a transmitter that stops reading: the window goes on answering, the transmitter gets the
#                last frequency once it reads again, and SIGTERM still ends the run
#   stalled-end  a transmitter stalled as on usbhid (each write held 5 s, which no signal shortens):
#                SIGTERM, SIGINT, SIGHUP, the close button, the tray's Quit and a lost display each take the
#                window and the tray icon off the screen; the run ends with status 0 (Qt's own for a lost
#                display), its settings saved and its off-air report queued
#   japanese     a Japanese session: the window's menu and the window it opens, the tray's tip (through a
#                status notifier host on the session bus, as a desktop's panel has), tessalyctl status, and
#                the page in a browser that asks for Japanese, each in the words the Japanese catalogue gives
# Usage: desktop_e2e.sh <tessaly executable> <directory holding the fake libHIDApi.so>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"
tessaly=$1
fake_dir=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
require_x_tools
for tool in trayer xmessage xwininfo; do command -v "$tool" >/dev/null || { echo "SKIP: no $tool"; exit 77; }; done
# The hot-plug scenario needs a network namespace of its own (unshare -n) and the right to announce there.
hotplug_blocked=
unshare -n "$here/udev_event.py" change tessaly-probe 0:0 2>/dev/null ||
    hotplug_blocked="udev events cannot be announced in a private network namespace here (unshare -n)"
work=$(mktemp -d)
trap 'status=$?; kill ${program_pid:-} ${others:-} 2>/dev/null || true; kill -KILL ${listener:-} 2>/dev/null || true
    stop_x; show_program_errors "$status" "$work"; rm -rf "$work"' EXIT

# A fresh X server and copy of the program; further arguments are environment settings for it.
begin() {
    dir=$work/$1
    shift
    start_x
    prepare_copy "$dir" "$tessaly"
    start_program "$dir" "$fake_dir" "$@"
}
end() {
    xdotool windowfocus --sync "$main_window" key Escape
    wait "$program_pid"
    stop_x
}

session_end() {
    local signal ignored repeater changed=2d2300002c0000000000000025000000 # 90.05 MHz, PA level 44
    for signal in TERM HUP INT X; do
        # Started with the other one ignored, as nohup and a shell's background job leave them: it stays so.
        ignored=$(case $signal in HUP) echo INT ;; INT) echo HUP ;; esac)
        start_signals=(${ignored:+"--ignore-signal=$ignored"})
        begin "$signal"
        start_signals=()
        [ -z "$ignored" ] || kill -"$ignored" "$program_pid"
        click_at 37 267 # Stop/Play: on air
        click_at 147 267 # Frequency up
        click_at 389 244 # PA-VALUE at level 44
        ! grep -q -x CloseHIDDevice "$dir/hid.log" 2>/dev/null || fail "SIG$ignored, ignored at start, ended the run"
        if [ "$signal" = X ]; then
            stop_x
            wait "$program_pid" || true
            [ "$(tail -n 1 "$dir/hid.log" | cut -d' ' -f1,3)" = "report 00005001194A0A0000" ] ||
                fail "a lost X server left the transmitter on air"
        else
            # TERM as a session manager may repeat it, until the process is gone: the teardown runs once and
            # the exit status stays 0.
            if [ "$signal" = TERM ]; then
                (while kill -TERM "$program_pid" 2>/dev/null; do :; done) &
                repeater=$!
            else
                kill -"$signal" "$program_pid"
            fi
            wait "$program_pid" || fail "SIG$signal: exit status $?"
            [ "$signal" != TERM ] || wait "$repeater"
            stop_x
            [ "$(tail -n 2 "$dir/hid.log" | cut -d' ' -f1,3 | paste -sd' ')" = \
                "report 00005001194A0A0000 CloseHIDDevice" ] || fail "SIG$signal: not switched off and closed"
        fi
        [ "$(settings_hex "$dir")" = "$changed" ] || fail "$signal: Config.ini holds $(settings_hex "$dir")"
    done
}

announce() {
    nsenter --net="/proc/$program_pid/ns/net" "$here/udev_event.py" "$@"
    sleep 0.2
}
calls() { grep -c -x "$1.*" "$dir/hid.log" || true; }
messages() { owned_windows | wc -l; }
messages_are() { [ "$(messages)" "$@" ]; }
# Waits for a message, answers it and waits until it is gone.
dismiss() {
    eventually messages_are -ge 1 || fail "no message came up"
    xdotool windowfocus --sync "$(owned_windows | head -n 1)" key Return
    eventually messages_are = 0 || fail "the message stayed"
}

hotplug() {
    start_within=(unshare -n)
    begin nodes TESSALY_FAKE_HID_NODE=/dev/null # the transmitter's node is 1:3
    announce remove hidraw 242:7 # another HID device
    announce change hidraw 1:3
    announce remove input 1:3
    [ "$(calls CloseHIDDevice)" = 0 ] || fail "another device's removal, or another event, closed the link"
    announce remove hidraw 1:3
    [ "$(calls CloseHIDDevice)" = 1 ] || fail "the transmitter's removal did not close the link"
    announce add hidraw 242:8
    [ "$(calls OpenHIDDevice)" = 2 ] || fail "an arrival did not reopen the link"
    end

    # Every write fails (EIO): the opening gives one message; ten replugs while it is open give none.
    begin failing TESSALY_FAKE_HID_FAIL_WRITES=5
    for _ in $(seq 10); do
        announce add hidraw 242:9
        announce remove hidraw 242:9
    done
    [ "$(messages)" = 1 ] || fail "$(messages) messages open after the opening and ten replugs"
    # The first arrival found the link still open.
    [ "$(calls OpenHIDDevice)" = 10 ] && [ "$(tail -n 1 "$dir/hid.log")" = CloseHIDDevice ] ||
        fail "the link does not follow the last event"
    dismiss
    announce add hidraw 242:9
    dismiss
    click_at 37 267 # on air, and its message
    dismiss
    xdotool mousemove $((win_x + 147)) $((win_y + 267)) mousedown 1 sleep 1.5 mouseup 1
    eventually messages_are = 1 || fail "$(messages) messages during a held Frequency up"
    dismiss
    sleep 1.5 # time for a wrong second message to come up
    [ "$(messages)" = 0 ] || fail "another message followed the dismissed one"
    end
    [ "$(settings_hex "$dir")" = 2d2300005a0000000000000025000000 ] || fail "the hold stepped on after its message"
    start_within=()
}

# Top-level windows, top-most first; above A B: A is higher.
above() {
    [ "$(xwininfo -root -children | awk '$1 ~ /^0x/ { print $1 }' | xargs printf '%d\n' |
        grep -x -m 1 -e "$1" -e "$2")" = "$1" ]
}
tray_icon() {
    xdotool search --classname '^tessaly$' | while read -r window; do
        xdotool getwindowgeometry "$window" | grep -q 'Geometry: 22x22' && echo "$window"; done | head -n 1
}
has_tray_icon() { [ -n "$(tray_icon)" ]; }
click_icon() { # $1: the mouse button, 1 unless given
    xdotool mousemove --window "$(tray_icon)" 11 11 click "${1:-1}" sleep 0.5
}

tray() {
    start_x
    dir=$work/tray
    prepare_copy "$dir" "$tessaly"
    start_program "$dir" "$fake_dir"
    trayer --edge top --align right --widthtype request --height 24 --SetDockType true >/dev/null 2>&1 &
    others=$!
    eventually has_tray_icon || fail "the icon did not dock into a tray started after the program"
    xmessage -geometry 1000x700+10+40 cover 2>/dev/null &
    others="$others $!"
    local cover settings
    cover=$(timeout 60 xdotool search --sync --onlyvisible --name '^xmessage$' | head -n 1)
    above "$cover" "$main_window" || fail "the cover is not above the main window"
    click_icon
    above "$main_window" "$cover" || fail "the tray icon did not raise the covered main window"

    click_at 262 267 # Set
    settings=$(timeout 60 xdotool search --sync --onlyvisible --name '^Tessaly Set$' | head -n 1)
    xdotool windowmove "$settings" 0 0 windowraise "$cover" sleep 0.3
    click_icon
    above "$main_window" "$cover" && above "$settings" "$main_window" ||
        fail "with the settings window open the icon did not raise both, settings on top"
    click_at 37 267 # Stop/Play, which the settings window blocks
    xdotool windowfocus --sync "$settings" key Escape sleep 0.3
    click_icon 3
    xdotool key Down Return sleep 0.5 # On air, the menu's first item
    click_icon 3
    xdotool key Up Return # Quit, its last
    wait "$program_pid" || fail "Quit in the tray menu: exit status $?"
    stop_x
    # The opening's two, the settings window's, the menu's on air, the teardown's off air.
    [ "$(awk '$1 == "report" { print substr($3, 1, 6) substr($3, 13, 2) }' "$dir/hid.log" | paste -sd' ')" = \
        "0000501A 00005100 00005100 00005009 0000500A" ] && [ "$(tail -n 1 "$dir/hid.log")" = CloseHIDDevice ] ||
        fail "the main window took input under the settings window, or the tray menu failed:$(printf '\n')$(cat "$dir/hid.log")"
}

# The transmitter: a listener process that logs each report it reads, in hex, and reads nothing while stopped
# (SIGSTOP). The fake gives the program's end only a transmitter's few buffers.
stall() {
    local socket=$work/transmitter.sock received=$work/received started frequency
    python3 -c '
import socket, sys
listener = socket.socket(socket.AF_UNIX, socket.SOCK_SEQPACKET)
listener.bind(sys.argv[1])
listener.listen(1)
with open(sys.argv[2], "w", buffering=1) as log:
    while True:
        connection = listener.accept()[0]
        while report := connection.recv(64):
            print(report.hex().upper(), file=log)
' "$socket" "$received" &
    listener=$!
    timeout 60 sh -c "until [ -S $socket ]; do sleep 0.1; done" || fail "the listener did not start"
    begin stall TESSALY_FAKE_HID_SOCKET="$socket" TESSALY_FAKE_HID_FEW_BUFFERS=1
    click_at 37 267 # on air
    kill -STOP "$listener"
    xdotool mousemove $((win_x + 147)) $((win_y + 267)) mousedown 1 sleep 2 mouseup 1 # Frequency up, held
    click_at 262 267 # Set
    timeout 60 xdotool search --sync --onlyvisible --name '^Tessaly Set$' >/dev/null ||
        fail "the settings window did not open while the transmitter read nothing"
    xdotool key Escape # its SetupReport is the last one sent
    kill -CONT "$listener"
    timeout 60 sh -c "until tail -n 1 $received | grep -q ^000051; do sleep 0.1; done" ||
        fail "the transmitter did not get the reports once it read again"

    kill -STOP "$listener"
    for _ in $(seq 8); do click_at 207 267; done # Mute, more often than the transmitter has buffers
    kill -TERM "$program_pid"
    wait "$program_pid" || fail "SIGTERM while the transmitter reads nothing: exit status $?"
    kill -KILL "$listener"
    stop_x
    # The last step's report replaced those waiting before it, keeping their retune bit.
    frequency=$(od -An -td4 -N4 "$dir/Config.ini" | tr -d ' ')
    [ "$(grep ^000050 "$received" | tail -n 1)" = "$(printf 000050%04X78190000 $(((frequency - 7600) / 5)))" ] ||
        fail "the transmitter did not end on the saved $frequency:$(printf '\n')$(tail -n 4 "$received")"
}

no_window() { ! xdotool search --onlyvisible --classname '^tessaly$' >/dev/null 2>&1; }
# The close button and the tray's Quit, tried again while a window stays, as a user would: a write error's
# message may come up over the window at any time.
closed_by_hand() {
    no_window && return
    if [ "$1" = close ]; then
        owned_windows | while read -r message; do xdotool windowfocus --sync "$message" key Return; done
        click_at 450 13
    else
        click_icon 3
        xdotool key Up Return sleep 0.3
    fi
    no_window
}

stalled_end() {
    local way status
    start_x
    trayer --edge top --align right --widthtype request --height 24 --SetDockType true >/dev/null 2>&1 &
    others=$!
    for way in TERM INT HUP close quit display; do
        dir=$work/stalled-$way
        prepare_copy "$dir" "$tessaly"
        echo OnAirAtStart=1 >"$dir/StartOnAir.ini" # its report waits behind the stalled opening
        start_program "$dir" "$fake_dir" TESSALY_FAKE_HID_STALL=1
        eventually grep -q '^stalled 000050' "$dir/hid.log" || fail "$way: the opening report did not stall"
        case $way in
        close | quit) eventually closed_by_hand "$way" ;;
        display) xkill -id "$main_window" >/dev/null && eventually no_window ;;
        *) kill -"$way" "$program_pid" && eventually no_window ;;
        esac || fail "$way: a window stayed on screen"
        status=0
        wait "$program_pid" || status=$?
        [ "$status" = 0 ] || [ "$way" = display ] || fail "$way: exit status $status"
        [ "$(settings_hex "$dir")" = 282300005a0000000000000025000000 ] ||
            fail "$way: Config.ini holds $(settings_hex "$dir")"
        grep -q "off-air report queued" "$dir/stderr.log" || fail "$way: the off-air report was not queued"
    done
    stop_x
}

# The words the Japanese catalogue gives the message source $2 of context $1.
japanese_for() {
    /usr/bin/python3 -c '
import sys
import xml.etree.ElementTree as ElementTree
for context in ElementTree.parse(sys.argv[1]).getroot().iter("context"):
    for message in context.iter("message") if context.findtext("name") == sys.argv[2] else ():
        if message.findtext("source") == sys.argv[3]:
            print(message.findtext("translation"))
' "$here/../../translations/tessaly_ja.ts" "$1" "$2"
}

japanese() {
    local ctl tip letter title label port
    ctl=$(dirname "$tessaly")/tessalyctl
    dbus-daemon --session --nofork --print-address=3 3>"$work/japanese-bus" &
    others="${others:-} $!"
    eventually test -s "$work/japanese-bus" || fail "no session bus"
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/japanese-bus")
    export DBUS_SESSION_BUS_ADDRESS
    /usr/bin/python3 "$here/tray_tip.py" >"$work/tips" &
    others="$others $!"
    eventually grep -q '^ready$' "$work/tips" || fail "the status notifier host did not start"
    begin japanese LC_ALL=ja_JP.UTF-8 LANG=ja_JP.UTF-8 LANGUAGE=

    tip=$(japanese_for TrayControl "Tessaly — off air")
    eventually grep -q -x -F "tip: $tip" "$work/tips" || fail "the tray's tip is not '$tip': $(cat "$work/tips")"
    # The window's menu from the keyboard, its hearing item by the letter the Japanese words underline.
    xdotool windowfocus --sync "$main_window" key --clearmodifiers alt+space
    menu_open() { xdotool search --onlyvisible --classname '^tessaly$' | grep -v -x "$main_window" >/dev/null; }
    eventually menu_open || fail "the window menu did not open"
    letter=$(japanese_for CTransmitterDlg "&Why can't I hear it?" | sed -n 's/.*(&\(.\)).*/\1/p' | tr 'A-Z' 'a-z')
    xdotool key "$letter"
    title=$(japanese_for CHearingDlg "Why can't I hear it?")
    # By its name as the window manager reads it (xdotool's own search cannot match it outside Latin-1).
    titled() {
        local window
        for window in $(xdotool search --onlyvisible --classname '^tessaly$'); do
            [ "$(xdotool getwindowname "$window")" = "$1" ] && return 0
        done
        return 1
    }
    eventually titled "$title" || fail "no window titled '$title'"

    label=$(japanese_for StatusText Frequency)
    # Asked until the program's bus object answers, which comes a moment after the window.
    status_in_japanese() { LC_ALL=ja_JP.UTF-8 "$ctl" status 2>&1 | grep "^$label" >/dev/null; }
    eventually status_in_japanese || fail "tessalyctl status is not in Japanese: $(LC_ALL=ja_JP.UTF-8 "$ctl" status 2>&1)"
    port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
    "$ctl" web port "$port" && "$ctl" web on || fail "the page could not be switched on"
    /usr/bin/python3 "$here/web_page.py" --language ja "$("$ctl" web address)" "$work" \
        "$(japanese_for page "Go on air")" || fail "the page for a Japanese browser"
    end
    unset DBUS_SESSION_BUS_ADDRESS
}

# The window opens where it was closed; a place off every screen is not restored.
place() {
    begin place
    xdotool windowmove "$main_window" 202 101 sleep 0.3
    end
    grep -qx 'X=202' "$dir/Window.ini" || fail "the window's place was not kept: $(cat "$dir/Window.ini")"
    start_x
    start_program "$dir" "$fake_dir"
    [ "$win_x,$win_y" = 202,101 ] || fail "the window opened at $win_x,$win_y, not where it was left"
    end
    printf 'X=5000\nY=101\nScreen=%s\n' "$(sed -n 's/^Screen=//p' "$dir/Window.ini")" >"$dir/Window.ini"
    start_x
    start_program "$dir" "$fake_dir"
    [ "$win_x" -lt 1024 ] || fail "a window left off every screen opened there, at $win_x"
    end
}

session_end
place
tray
stall
stalled_end
japanese
if [ -n "$hotplug_blocked" ]; then
    echo "SKIP: hotplug: $hotplug_blocked"
    exit 77
fi
hotplug
echo "PASS"
