# Sourced by the end-to-end scripts, which run copies of the real program under a virtual X server.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Ends the test as skipped (CTest's SKIP_RETURN_CODE 77) when the X tools are missing.
require_x_tools() {
    local tool
    for tool in xvfb-run xdotool; do
        command -v "$tool" >/dev/null || {
            echo "SKIP: $tool is not installed"
            exit 77
        }
    done
}

# Copies the program, the headless program it hands --headless over to and its sound and web modules, into a directory of its own with
# a private runtime directory, which also holds its lock (TESSALY_TEST_LOCK_DIR), so that its Config.ini and
# its lock land there and no companion library lies beside it.
prepare_copy() {
    local dir=$1 program=$2
    mkdir -p "$dir/runtime"
    chmod 700 "$dir/runtime"
    cp "$program" "$dir/tessaly"
    cp "$(dirname "$program")/tessaly-headless" "$(dirname "$program")/libtessaly-pulse.so" \
        "$(dirname "$program")/libtessaly-web.so" "$dir/"
    # The catalogues, found beside the program as in the build tree.
    ln -s "$(realpath "$(dirname "$program")")/translations" "$dir/translations"
}

# A virtual X server of our own for the rest of the script: DISPLAY exported, its pid in x_pid. Without
# -noreset it resets whenever its last client leaves and refuses a client connecting meanwhile, which Qt
# answers with an abort (all X servers of these tests are started so).
start_x() {
    local number_file
    number_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$number_file" 2>/dev/null &
    x_pid=$!
    timeout 60 sh -c "until [ -s $number_file ]; do sleep 0.1; done" || fail "Xvfb did not start"
    export DISPLAY=":$(cat "$number_file")"
}

stop_x() {
    kill "${x_pid:-}" 2>/dev/null || true
    wait "${x_pid:-}" 2>/dev/null || true
}

# For the EXIT traps of scripts using start_program: once the work directory $2 goes, the program's
# stderr is the only clue to a failure (exit status $1), so it is shown first.
show_program_errors() {
    local log
    [ "$1" = 0 ] || [ "$1" = 77 ] && return 0
    find "$2" -name stderr.log -size +0 2>/dev/null | while read -r log; do
        echo "--- stderr of the program (${log#"$2"/}):" >&2
        cat "$log" >&2
    done
}

# Starts the copy in $1 against the fake library in $2 (further arguments: environment settings), waits for
# its window: pid in program_pid, window in main_window, its top left in win_x, win_y. Its signals start as
# a terminal's foreground command has them (a script's background job would ignore SIGINT), then as the
# env options in the array start_signals say; the array start_within names a command to run it in
# (unshare -n).
start_program() {
    local dir=$1 fake_dir=$2 window
    shift 2
    main_window=
    "${start_within[@]}" env --default-signal=INT,QUIT "${start_signals[@]}" -u LD_LIBRARY_PATH \
        LD_LIBRARY_PATH="$fake_dir" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$dir/runtime" \
        TESSALY_TEST_LOCK_DIR="$dir/runtime" TESSALY_FAKE_HID_LOG="$dir/hid.log" "$@" "$dir/tessaly" \
        2>"$dir/stderr.log" &
    program_pid=$!
    local deadline=$((SECONDS + 60))
    while [ -z "$main_window" ] && [ "$SECONDS" -lt "$deadline" ]; do
        # The skin's size tells the main window from a message sharing its title.
        for window in $(xdotool search --onlyvisible --name '^Tessaly$' 2>/dev/null); do
            xdotool getwindowgeometry "$window" | grep -q 'Geometry: 475x298' && main_window=$window && break
        done
        sleep 0.1
    done
    [ -n "$main_window" ] || fail "no window titled Tessaly appeared"
    eval "$(xdotool getwindowgeometry --shell "$main_window" | sed -n 's/^X=/win_x=/p; s/^Y=/win_y=/p')"
}

# Clicks at a point of the main window's client area.
click_at() {
    xdotool mousemove $((win_x + $1)) $((win_y + $2)) sleep 0.1 click 1 sleep 0.2
}

# The visible windows the main window owns (messages, the settings window), one per line.
owned_windows() {
    local window
    for window in $(xdotool search --onlyvisible --classname '^tessaly$' 2>/dev/null); do
        xprop -id "$window" WM_TRANSIENT_FOR | grep -q " $(printf '0x%x' "$main_window")\$" && echo "$window"
    done
}

settings_hex() {
    od -An -v -tx1 "$1/Config.ini" | tr -d ' \n'
}

# Retries a check until it holds, for up to a minute on a loaded machine: a report reaches the fake's log a
# moment after the call that caused it, and a program may take long to start.
eventually() {
    local deadline=$((SECONDS + 60))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}
# The fake transmitter hands each report to this listener, which logs it at once; the fake alone would log
# them only when the device closes. $dir/hid.log then holds the fake's calls and the reports in order.
listen() {
    kill ${listener_pid:-} 2>/dev/null || true
    /usr/bin/python3 -c 'import socket, sys
listener = socket.socket(socket.AF_UNIX, socket.SOCK_SEQPACKET)
listener.bind(sys.argv[1])
listener.listen(1)
with open(sys.argv[2], "a", buffering=1) as log:
    while True:
        connection, _ = listener.accept()
        while data := connection.recv(64):
            log.write("report " + data.hex().upper() + "\n")' "$dir/hid.sock" "$dir/hid.log" &
    listener_pid=$!
    timeout 60 sh -c "until [ -S '$dir/hid.sock' ]; do sleep 0.1; done" || fail "the report listener did not start"
}

# The resources the process $1 holds, one "name=count" a line: its descriptors, its resident memory in KiB,
# the clients and streams it has in the sound server (when pactl reaches one), the names it owns on the
# session bus (when one is set) and the files being written (NAME.tmp-XXXXXX) left under the directory $2. A hostile
# group takes one before and hands it to ledger_settled after.
ledger() {
    local pid=$1 dir=${2:-}
    echo "descriptors=$(find "/proc/$pid/fd" -mindepth 1 2>/dev/null | wc -l)"
    # AddressSanitizer holds freed memory back (its quarantine), and LeakSanitizer counts leaks at the exit.
    grep -q libasan "/proc/$pid/maps" 2>/dev/null ||
        echo "memory_kib=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status" 2>/dev/null)"
    if pactl info >/dev/null 2>&1; then
        # Each object's block names the process it belongs to; only the program's are counted.
        local kind
        for kind in clients source-outputs sink-inputs; do
            echo "sound_${kind//-/_}=$(pactl list "$kind" 2>/dev/null |
                grep -c "application.process.id = \"$pid\"")"
        done
    fi
    if [ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v gdbus >/dev/null; then
        local name owned=0
        for name in $(gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus \
            -m org.freedesktop.DBus.ListNames 2>/dev/null | grep -o "'[^']*'" | tr -d "'" | grep -v '^:'); do
            gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus \
                -m org.freedesktop.DBus.GetConnectionUnixProcessID "$name" 2>/dev/null |
                grep -q "(uint32 $pid,)" && owned=$((owned + 1))
        done
        echo "bus_names=$owned"
    fi
    [ -z "$dir" ] || echo "temporary_files=$(find "$dir" -type f -name '*.tmp-*' 2>/dev/null | wc -l)"
}

# Waits until the process $2 holds no more than the ledger $1 (taken before a hostile group) says, with the
# directory $3 as in ledger. Memory may keep up to $4 KiB more (default 8192): the allocator keeps some of
# what a flood used, but a leak grows past it. Fails naming what stayed.
ledger_settled() {
    local before=$1 pid=$2 dir=${3:-} slack=${4:-8192}
    ledger_within() {
        local name value was
        while IFS== read -r name value; do
            was=$(sed -n "s/^$name=//p" <<<"$before")
            [ -n "$was" ] || continue
            [ "$name" = memory_kib ] && was=$((was + slack))
            [ "$value" -le "$was" ] || return 1
        done < <(ledger "$pid" "$dir")
    }
    eventually ledger_within ||
        fail "resources held after the group: before $(tr '\n' ' ' <<<"$before"); now $(ledger "$pid" "$dir" | tr '\n' ' ')"
}
