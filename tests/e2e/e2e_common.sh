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

# Copies the program into a directory of its own with a private runtime directory, so that its Config.ini
# and its lock land there and no companion library lies beside it.
prepare_copy() {
    local dir=$1 program=$2
    mkdir -p "$dir/runtime"
    chmod 700 "$dir/runtime"
    cp "$program" "$dir/tessaly"
}
