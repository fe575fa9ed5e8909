#!/usr/bin/env bash
# The computer's sound follows the transmitter. A private sound server (two null sinks, one carrying the
# transmitter's USB IDs, and a playing stream) appears after the program started without one; the option
# is switched in the system menu and must survive a restart; the exit gives the sound back.
# Usage: sound_e2e.sh <tessaly executable> <directory holding the fake libHIDApi.so>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"
require_x_tools
for tool in pulseaudio pactl pacat; do
    command -v "$tool" >/dev/null || {
        echo "SKIP: $tool is not installed"
        exit 77
    }
done
work=$(mktemp -d)
trap 'kill ${program_pid:-} ${player_pid:-} ${server_pid:-} 2>/dev/null || true; stop_x; rm -rf "$work"' EXIT

# Everything of the sound server is private: its socket, its cookie, no bus (nor one started for it).
export HOME=$work/home PULSE_RUNTIME_PATH=$work/pulse DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-bus
unset PULSE_SERVER
mkdir -m 700 "$HOME" "$PULSE_RUNTIME_PATH"

until_true() {
    for _ in $(seq 200); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
default_is() {
    [ "$(pactl get-default-sink)" = "$1" ]
}
# The default is the sink named $1, and the stream plays on it.
sound_on() {
    default_is "$1" &&
        pactl list short sink-inputs | awk -v sink="$(pactl list short sinks | awk -v n="$1" '$2 == n { print $1 }')" \
            '$2 == sink { found = 1 } END { exit !found }'
}
# The window menu's second item, below About.
toggle_option() {
    xdotool windowfocus --sync "$main_window" key --clearmodifiers alt+space
    until_true eval 'xdotool search --onlyvisible --classname "^tessaly$" | grep -qvx "$main_window"' ||
        fail "the window menu did not open"
    xdotool key Down Down Return
}
quit() {
    xdotool windowfocus --sync "$main_window" key --clearmodifiers Escape
    wait "$program_pid" || fail "exit status $?: $(tail -n 20 "$work/app/stderr.log")"
}

start_x
prepare_copy "$work/app" "$1"
start_program "$work/app" "$2"
until_true grep -q "sound server" "$work/app/stderr.log" || fail "a missing sound server went unmentioned"
env -u DISPLAY pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disable-shm=yes \
    -L "module-native-protocol-unix auth-anonymous=1" -L "module-null-sink sink_name=speakers" \
    -L "module-null-sink sink_name=radio sink_properties='device.vendor.id=0x046d device.product.id=0a0e'" \
    2>"$work/server.log" &
server_pid=$!
until_true pactl info >/dev/null 2>&1 || fail "the sound server did not start"

# Once a server runs, the transmitter's sink becomes the default.
[ "$(grep -c "sound server" "$work/app/stderr.log")" = 1 ] || fail "$(cat "$work/app/stderr.log")"
until_true default_is radio || fail "the transmitter's sink did not become the default"
pacat --playback </dev/zero 2>/dev/null &
player_pid=$!
until_true sound_on radio || fail "the stream did not start"
toggle_option
until_true sound_on speakers || fail "switching the option off did not give the sound back"
quit
# The device saw the opening pair and the close, as without any sound server.
[ "$(grep -c '^report' "$work/app/hid.log")" = 2 ] || fail "device traffic: $(cat "$work/app/hid.log")"

# Restarted with the option off, one switch turns it on: the sound moves, and the exit gives it back.
start_program "$work/app" "$2"
toggle_option
until_true sound_on radio || fail "after a restart, switching the option on did not route the sound"
grep -qx 'PlaySoundThroughTransmitter=1' "$work/app/Sound.ini" || fail "the option was not kept off"
quit
sound_on speakers || fail "the exit did not give the sound back"

# A default the user picked meanwhile stays theirs.
start_program "$work/app" "$2"
until_true sound_on radio || fail "the sound did not move to the transmitter at the start"
pactl load-module module-null-sink sink_name=headphones >/dev/null
pactl set-default-sink headphones
quit
default_is headphones || fail "the exit took back the default the user had picked"
echo "PASS"
