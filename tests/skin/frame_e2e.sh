#!/usr/bin/env bash
# Runs a copy of the real program under a virtual X server and drives its frame with xdotool: placement,
# dragging by the body and by the emblem, the minimize button never stranding the window (this server has no
# tray host, so the window is minimized the ordinary way, not hidden) while the program runs on,
# and the close button ending the program with status 0.
# Usage: frame_e2e.sh <tessaly executable>
set -euo pipefail

# shellcheck source=tests/e2e/e2e_common.sh
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/e2e_common.sh"

# "x y width height" of a window, as the X server has it.
geometry() {
    xdotool getwindowgeometry --shell "$1" | awk -F= '
        $1 == "X" { x = $2 } $1 == "Y" { y = $2 } $1 == "WIDTH" { w = $2 } $1 == "HEIGHT" { h = $2 }
        END { print x, y, w, h }'
}

# Presses the left button at a screen point, moves the pointer by (dx, dy) in steps, releases.
drag() {
    local x=$1 y=$2 dx=$3 dy=$4
    xdotool mousemove "$x" "$y"
    sleep 0.1
    xdotool mousedown 1
    sleep 0.1
    xdotool mousemove "$((x + dx / 2))" "$((y + dy / 2))"
    sleep 0.1
    xdotool mousemove "$((x + dx))" "$((y + dy))"
    sleep 0.2
    xdotool mouseup 1
    sleep 0.2
}

click() {
    xdotool mousemove "$1" "$2"
    sleep 0.1
    xdotool click 1
}

if [ "${1:-}" = --session ]; then
    "$2" &
    program=$!
    window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Tessaly$' | head -n 1) ||
        fail "no window titled Tessaly appeared"
    sleep 0.5

    read -r x y w h < <(geometry "$window")
    [ "$w $h" = "475 298" ] || fail "window is ${w}x${h}, not the skin's 475x298"
    [ "$x $y" = "274 235" ] || fail "window at $x,$y, not centred on the 1024x768 screen"

    drag $((x + 200)) $((y + 150)) 120 60
    read -r x2 y2 w2 h2 < <(geometry "$window")
    [ "$x2 $y2 $w2 $h2" = "$((x + 120)) $((y + 60)) 475 298" ] ||
        fail "dragging the body by 120,60 left the window at $x2,$y2 ${w2}x${h2}"

    drag $((x2 + 10)) $((y2 + 10)) -90 -40
    read -r x3 y3 _ _ < <(geometry "$window")
    [ "$x3 $y3" = "$((x2 - 90)) $((y2 - 40))" ] || fail "dragging by the emblem left the window at $x3,$y3"

    if [ "$3" = minimize ]; then
        click $((x3 + 368 + 14)) $((y3 + 5 + 8))
        sleep 0.5
        xdotool search --onlyvisible --name '^Tessaly$' >/dev/null ||
            fail "minimize without a tray host hid the window for good"
        kill -0 "$program" 2>/dev/null || fail "minimize ended the program"
        kill "$program"
        wait "$program" || true
        echo minimized
        exit 0
    fi

    click $((x3 + 436 + 14)) $((y3 + 5 + 8))
    status=0
    timeout 60 tail --pid="$program" -f /dev/null || fail "the close button did not end the program"
    wait "$program" || status=$?
    echo "$status"
    exit 0
fi

tessaly=$1
require_x_tools

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

run_copy() {
    local dir=$work/$1
    prepare_copy "$dir" "$tessaly"
    env -u LD_LIBRARY_PATH QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$dir/runtime" TESSALY_TEST_LOCK_DIR="$dir/runtime" \
        xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" --session "$dir/tessaly" "$1"
}

result=$(run_copy close)
[ "$result" = 0 ] || fail "the close button ended the program with status $result"
result=$(run_copy minimize)
[ "$result" = minimized ] || fail "minimize session: $result"
echo "PASS"
