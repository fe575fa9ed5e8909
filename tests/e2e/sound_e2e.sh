#!/usr/bin/env bash
# The computer's sound follows the transmitter. A private sound server (two null sinks, one carrying the
# transmitter's USB IDs, and a playing stream) appears after the program started without one; the option
# is switched in the system menu and must survive a restart; the exit gives the sound back. Last, the hearing
# check through tessalyctl: a tone (with floods of level watchers and of checks on the bus, each under a
# ledger of what the program holds), then each link broken in turn and mended by following the fix the check
# gives, as written.
# The server is PulseAudio, or with "pipewire" PipeWire, WirePlumber and PipeWire's pulse server, with a
# session bus of their own.
# Usage: sound_e2e.sh <tessaly executable> <directory holding the fake libHIDApi.so> [tessalyctl [pipewire]]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"
# A command that ends the run through set -e says which, as a failed check would.
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR
require_x_tools
server=${4:-pulseaudio}
tools=(pactl pacat pulseaudio)
[ "$server" = pulseaudio ] || tools=(pactl pacat pipewire wireplumber pipewire-pulse dbus-daemon)
for tool in "${tools[@]}"; do
    command -v "$tool" >/dev/null || {
        echo "SKIP: $tool is not installed"
        exit 77
    }
done
work=$(mktemp -d)
server_pids=()
# A failed run shows what the server said, and whether each of its parts still ran.
server_report() {
    [ -s "$work/server.log" ] && tail -n 20 "$work/server.log" >&2
    for pid in "${server_pids[@]}"; do
        kill -0 "$pid" 2>/dev/null || echo "server process $pid had ended" >&2
    done
}
trap 'status=$?; [ "$status" = 0 ] || server_report; kill ${program_pid:-} ${player_pid:-} ${server_pids[@]} ${bus_pid:-} 2>/dev/null || true; stop_x; rm -rf "$work" 2>/dev/null || { sleep 1; rm -rf "$work"; }' EXIT
ctl=${3:-}

# Everything of the sound server is private: its socket, its cookie, no bus (nor one started for it).
# pactl and pacat asked before the server listens would start a PulseAudio of their own, which then holds the
# socket the server under test wants: never.
export HOME=$work/home PULSE_RUNTIME_PATH=$work/pulse DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-bus
export PULSE_CLIENTCONFIG=$work/client.conf
unset PULSE_SERVER
mkdir -m 700 "$HOME" "$PULSE_RUNTIME_PATH"
echo "autospawn = no" >"$PULSE_CLIENTCONFIG"

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

# A player of silence until killed; being killed is its way to end, not a failure to tell.
play_silence() {
    trap - ERR
    exec pacat --playback </dev/zero 2>/dev/null
}
# PipeWire, WirePlumber and PipeWire's pulse server with two null sinks, on a bus of their own.
start_pipewire() {
    mkdir -m 700 "$work/pipewire"
    dbus-daemon --session --nofork --address="unix:path=$work/pipewire-bus" 2>/dev/null &
    server_pids+=($!)
    until_true test -S "$work/pipewire-bus" || return 1
    for part in pipewire wireplumber pipewire-pulse; do
        env -u DISPLAY XDG_RUNTIME_DIR="$work/pipewire" DBUS_SESSION_BUS_ADDRESS="unix:path=$work/pipewire-bus" \
            "$part" >>"$work/server.log" 2>&1 &
        server_pids+=($!)
        [ "$part" != pipewire ] || until_true test -S "$work/pipewire/pipewire-0" || return 1
    done
    until_true pactl info >/dev/null 2>&1 || return 1
    # Its pulse server may drop a client while the session manager comes up: loaded until there.
    null_sink() {
        pactl list short sinks | awk -v n="$1" '$2 == n { found = 1 } END { exit !found }' ||
            { pactl load-module module-null-sink sink_name="$1" ${2:+sink_properties="$2"} >/dev/null; false; }
    }
    until_true null_sink speakers && until_true null_sink radio "device.vendor.id=0x046d device.product.id=0a0e"
}
# Every part still runs and the server answered five times in a row, a tenth of a second apart.
serves_steadily() {
    local answers=0
    for _ in $(seq 50); do
        for pid in "${server_pids[@]}"; do
            kill -0 "$pid" 2>/dev/null || return 1
        done
        if pactl info >/dev/null 2>&1; then answers=$((answers + 1)); else answers=0; fi
        [ "$answers" -lt 5 ] || return 0
        sleep 0.1
    done
    return 1
}

# Starts the sound server with two null sinks, one of them the transmitter's by its USB IDs.
start_server() {
    if [ "$server" = pulseaudio ]; then
        env -u DISPLAY pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disable-shm=yes \
            -L "module-native-protocol-unix auth-anonymous=1" -L "module-null-sink sink_name=speakers" \
            -L "module-null-sink sink_name=radio sink_properties='device.vendor.id=0x046d device.product.id=0a0e'" \
            2>"$work/server.log" &
        server_pids+=($!)
    else
        # A part that ends during the first half second (seen once in a while, always before the program
        # under test started) is a fault of the server's start, not of the program: the server is started
        # again, and what it said is shown.
        for attempt in 1 2 3; do
            start_pipewire && serves_steadily && return 0
            echo "the sound server did not stay up (attempt $attempt):" >&2
            server_report
            kill "${server_pids[@]}" 2>/dev/null || true
            server_pids=()
            rm -rf "$work/pipewire" "$work/pipewire-bus" "$PULSE_RUNTIME_PATH"/*
            mv "$work/server.log" "$work/server-$attempt.log" 2>/dev/null || true
        done
        fail "the sound server did not stay up"
    fi
    until_true pactl info >/dev/null 2>&1 || fail "the sound server did not start"
}

# The window's runs against PulseAudio alone; against PipeWire, the hearing check's run below.
if [ "$server" = pulseaudio ]; then
start_x
prepare_copy "$work/app" "$1"
start_program "$work/app" "$2"
until_true grep -q "sound server" "$work/app/stderr.log" || fail "a missing sound server went unmentioned"
start_server

# Once a server runs, the transmitter's sink becomes the default.
[ "$(grep -c "sound server" "$work/app/stderr.log")" = 1 ] || fail "$(cat "$work/app/stderr.log")"
until_true default_is radio || fail "the transmitter's sink did not become the default"
play_silence &
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

# Bursts end routed: the option off and on back to back on a bus of our own, the transmitter's removal and
# arrival announced back to back in the program's own network namespace (its node is 1:3 there).
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if command -v dbus-daemon gdbus nsenter >/dev/null && unshare -n "$here/udev_event.py" change tessaly-probe 0:0 2>/dev/null; then
    dbus-daemon --session --nofork --address="unix:path=$work/bus" 2>/dev/null &
    bus_pid=$!
    until_true test -S "$work/bus" || fail "dbus-daemon did not start"
    prepare_copy "$work/burst" "$1"
    start_within=(unshare -n)
    start_program "$work/burst" "$2" DBUS_SESSION_BUS_ADDRESS="unix:path=$work/bus" TESSALY_FAKE_HID_NODE=/dev/null
    start_within=()
    until_true sound_on radio || fail "the sound did not move to the transmitter at the start"
    set_option() {
        DBUS_SESSION_BUS_ADDRESS="unix:path=$work/bus" gdbus call --session --dest org.tessaly.Tessaly \
            --object-path /org/tessaly/Tessaly --method org.freedesktop.DBus.Properties.Set \
            org.tessaly.Tessaly1 SoundRouting "<$1>" >/dev/null
    }
    for round in $(seq 5); do
        set_option false && set_option true || fail "the bus did not take the option"
        until_true sound_on radio || fail "round $round: an off/on burst left the sound off the transmitter"
        # Both from one process, so that nothing comes between them.
        UDEV_EVENT=$here/udev_event.py nsenter --net="/proc/$program_pid/ns/net" python3 -c 'import os, runpy, sys
for action in ("remove", "add"):
    sys.argv = ["udev_event.py", action, "hidraw", "1:3"]
    runpy.run_path(os.environ["UDEV_EVENT"])'
        until_true eval '[ "$(grep -c ^OpenHIDDevice "$work/burst/hid.log")" = $((round + 1)) ]' ||
            fail "round $round: the transmitter was not opened again"
        until_true sound_on radio || fail "round $round: a remove+add burst left the sound off the transmitter"
    done
    quit
    sound_on speakers || fail "the exit after the bursts did not give the sound back"
    kill "$bus_pid"
fi

# A run killed while routed leaves what it replaced written down; the next run gives it back at its exit,
# though it found the transmitter's sink the default already.
start_program "$work/app" "$2"
until_true sound_on radio || fail "the sound did not move to the transmitter at the start"
kill -KILL "$program_pid"
wait "$program_pid" 2>/dev/null || true
[ -f "$work/app/runtime/tessaly-sound-restore" ] && sound_on radio || fail "a killed run left nothing written down"
start_program "$work/app" "$2"
until_true eval 'pactl list clients | grep -q "application.name = \"Tessaly\""' || fail "the next run did not connect"
quit
[ ! -e "$work/app/runtime/tessaly-sound-restore" ] || fail "what was given back stayed written down"
sound_on speakers || fail "a killed run's routing was not undone by the next run"

# A default the user picked meanwhile stays theirs.
start_program "$work/app" "$2"
until_true sound_on radio || fail "the sound did not move to the transmitter at the start"
pactl load-module module-null-sink sink_name=headphones >/dev/null
pactl set-default-sink headphones
quit
default_is headphones || fail "the exit took back the default the user had picked"
else
    start_server
    play_silence &
    player_pid=$!
fi

# The hearing check: each case through tessalyctl check --json on a bus of our own, named by the first
# broken link; "none" when every link holds.
if [ -n "$ctl" ] && command -v dbus-daemon >/dev/null; then
    kill "$player_pid"
    wait "$player_pid" 2>/dev/null || true
    # Gone from the server too, which may take a moment after the player ends on a loaded machine.
    until_true eval '[ -z "$(pactl list short sink-inputs)" ]' ||
        fail "a stream stayed after its player ended: $(pactl list sink-inputs)"
    pactl set-default-sink speakers
    dbus-daemon --session --nofork --address="unix:path=$work/check-bus" 2>/dev/null &
    bus_pid=$!
    until_true test -S "$work/check-bus" || fail "dbus-daemon did not start"
    check() {
        DBUS_SESSION_BUS_ADDRESS="unix:path=$work/check-bus" "$ctl" check --json
    }
    first_broken_is() {
        local answer
        answer=$(check) || true
        [ "$(python3 -c 'import json, sys; print(json.loads(sys.argv[1])["firstBroken"] or "none")' "$answer")" = "$1" ]
    }
    ctl_on_bus() {
        DBUS_SESSION_BUS_ADDRESS="unix:path=$work/check-bus" "$ctl" "$@" || fail "tessalyctl $* failed"
    }
    # Plays into the default sink until killed (its end, not a failure to tell): a 440 Hz tone at -6 dBFS, or
    # silence.
    play() {
        (trap - ERR; exec pacat --playback --client-name=tone --format=s16le --rate=44100 --channels=1 < <(python3 -c 'import math, struct, sys
second = b"".join(struct.pack("<h", int(float(sys.argv[1]) * math.sin(2 * math.pi * 440 * i / 44100)))
                  for i in range(44100))
while True:
    sys.stdout.buffer.write(second)' "$1" 2>/dev/null) 2>/dev/null) &
        player_pid=$!
    }

    # Headless: there the sound server's connections share the main loop with nothing else, and a check
    # that broke that loop's hold on them left every later one unanswered.
    prepare_copy "$work/check" "$1"
    env -u DISPLAY -u LD_LIBRARY_PATH LD_LIBRARY_PATH="$2" XDG_RUNTIME_DIR="$work/check/runtime" \
        TESSALY_TEST_LOCK_DIR="$work/check/runtime" DBUS_SESSION_BUS_ADDRESS="unix:path=$work/check-bus" \
        "$work/check/tessaly" --headless 2>"$work/check/stderr.log" &
    program_pid=$!
    eventually first_broken_is on-air || fail "off air at the start: $(check)"
    ctl_on_bus on
    ctl_on_bus power 60
    eventually first_broken_is playing || fail "nothing playing: $(check)"
    play 16384
    eventually first_broken_is none || fail "a tone: $(check)"

    # Hostile groups on the bus, while the tone plays: whatever they make the program open in the sound
    # server is closed again (the ledger), checks asked at once share one connection and all tell the
    # truth, and the server keeps serving its other clients meanwhile.
    flood() {
        /usr/bin/python3 - "unix:path=$work/check-bus" "$1" <<'PYTHON'
import subprocess, sys, threading, time
from gi.repository import Gio, GLib
def connect():
    return Gio.DBusConnection.new_for_address_sync(sys.argv[1], Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT |
                                                   Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
def call(bus, method, *answered):
    return (bus.call if answered else bus.call_sync)("org.tessaly.Tessaly", "/org/tessaly/Tessaly",
        "org.tessaly.Tessaly1", method, None, None, Gio.DBusCallFlags.NONE, 60000, None, *answered)
if sys.argv[2] == "watch":
    bus = connect()
    for _ in range(1000):
        call(bus, "WatchLevel"), call(bus, "UnwatchLevel")
    # Clients that watch and leave the bus without unwatching.
    for _ in range(100):
        call(bus := connect(), "WatchLevel"), bus.close_sync()
    sys.exit()
# All asked at once; true answers say every link holds. Another client of the sound server asks it meanwhile.
loop, bus, answers, pactl = GLib.MainLoop(), connect(), [], []
def answered(bus, result):
    try:
        answers.append(all(verdict == "ok" for _, verdict, _ in bus.call_finish(result).unpack()[0]))
    except GLib.Error:
        answers.append(False)
    len(answers) < 100 or loop.quit()
start = time.monotonic()
for _ in range(100):
    call(bus, "Check", answered)
threading.Thread(target=lambda: [pactl.append(subprocess.run(["pactl", "info"], capture_output=True).returncode)
                                 for _ in iter(lambda: len(answers) < 100, False)], daemon=True).start()
loop.run()
print(f"checks: {answers.count(True)} of 100 true in {time.monotonic() - start:.2f} s;",
      f"pactl info failed {len(pactl) - pactl.count(0)} of {len(pactl)}", file=sys.stderr)
sys.exit(not all(answers) or any(pactl))
PYTHON
    }
    on_check_bus() {
        DBUS_SESSION_BUS_ADDRESS="unix:path=$work/check-bus" "$@"
    }
    before=$(on_check_bus ledger "$program_pid" "$work/check")
    [ "$(sed -n 's/^sound_clients=//p' <<<"$before")" = 1 ] || fail "not one connection to the sound server: $before"
    flood watch || fail "watching the level failed"
    on_check_bus ledger_settled "$before" "$program_pid" "$work/check"
    flood checks || fail "concurrent checks did not all tell the truth, or other clients failed meanwhile"
    on_check_bus ledger_settled "$before" "$program_pid" "$work/check"
    # Each measured check leaves the next ones working.
    for again in 1 2; do
        check >/dev/null || fail "check $again after a measured one: every link holds, yet it exited with $?: $(check)"
    done

    # Each link broken in turn (name|how|the link|what status then says), then mended by following the fix
    # the check gives as written; where it names a control of the sound settings or of the player, by what
    # that control does (the last field). How long each broken check took is printed, as bench/RESULTS.md
    # keeps it.
    tone_input() {
        pactl list sink-inputs | awk '/^Sink Input #/ { input = substr($3, 2) }
            /application.name = "tone"/ { print input; exit }'
    }
    # Moved as the mixer does. WirePlumber now and then links a stream just moved back where it was (one
    # run in six here): the move is made again until the stream stays on speakers.
    tone_to_speakers() {
        local speakers
        speakers=$(pactl list short sinks | awk '$2 == "speakers" { print $1 }')
        until_true eval 'pactl move-sink-input "$(tone_input)" speakers; sleep 0.5
            pactl list short sink-inputs | awk -v sink="$speakers" '"'"'$2 == sink { found = 1 } END { exit !found }'"'"''
    }
    cases=(
        "off air|ctl_on_bus off|on-air||"
        "muted|ctl_on_bus mute|unmuted||"
        "power 0|ctl_on_bus power 0|power||"
        "default output elsewhere|pactl set-default-sink speakers|routed|on, but the sound settings now send it to|"
        "one stream elsewhere|tone_to_speakers|playing|on, but the sound settings now send tone to|"
        "option off|ctl_on_bus sound off|routed|off|"
        "sink muted|pactl set-sink-mute radio 1|output-unmuted||pactl set-sink-mute radio 0"
        "silence|kill \$player_pid; play 0|level||kill \$player_pid; play 16384"
    )
    for case in "${cases[@]}"; do
        IFS='|' read -r name breaking link told mend <<<"$case"
        eval "$breaking"
        eventually first_broken_is "$link" || fail "$name: $(check)"
        [ -z "$told" ] || eventually eval 'ctl_on_bus status | grep -q "^Sound: *$told"' ||
            fail "$name: status says $(ctl_on_bus status)"
        started=$(date +%s%N)
        fix=$({ check || true; } | python3 -c 'import json, sys
answer = json.load(sys.stdin)
print(next(link["text"] for link in answer["links"] if link["link"] == answer["firstBroken"]).partition(": ")[2])')
        echo "timing: $server, $name: the check took $((($(date +%s%N) - started) / 1000000)) ms" >&2
        if [ -z "$mend" ]; then
            [[ $fix == "tessalyctl "* ]] || fail "$name: the fix names no command: \"$fix\""
            mend="ctl_on_bus ${fix#tessalyctl }"
        fi
        eval "$mend"
        eventually first_broken_is none || fail "$name: \"$fix\" followed, yet $(check)"
    done
    kill "$player_pid"
    kill -TERM "$program_pid"
    wait "$program_pid" || fail "headless exit status $?: $(tail -n 20 "$work/check/stderr.log")"
    first_broken_is program || fail "the program ended: $(check)"
    kill "$bus_pid"
fi
echo "PASS"
