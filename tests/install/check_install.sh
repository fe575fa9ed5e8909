#!/usr/bin/env bash
# Installs an existing build into a staging prefix, checks the installed tree, starts the installed
# program once, and builds the Debian package and checks what it holds.
# Usage: check_install.sh <build-dir> <version> <app-id> <sanitized: 1 or 0>
set -euo pipefail

build=$1
version=$2
app_id=$3
sanitized=$4

stage=$(mktemp -d)
program_pid=
# Installing rewrites the build's install manifest, which a real install needs to be undone.
manifest=$build/install_manifest.txt
[ ! -e "$manifest" ] || cp -p "$manifest" "$stage/install_manifest.txt"
cleanup() {
    if [ -n "$program_pid" ]; then
        kill "$program_pid" 2>/dev/null || true
        wait "$program_pid" 2>/dev/null || true
    fi
    if [ -e "$stage/install_manifest.txt" ]; then
        cp -p "$stage/install_manifest.txt" "$manifest"
    else
        rm -f "$manifest"
    fi
    rm -rf "$stage"
}
trap cleanup EXIT

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

prefix=$stage/usr
cmake --install "$build" --prefix "$prefix" >/dev/null

private_dir=$prefix/lib/tessaly
desktop_file=$prefix/share/applications/$app_id.desktop
metainfo_file=$prefix/share/metainfo/$app_id.metainfo.xml
icon_paths=()
for size in 16 22 24 32 48 64 128 256; do icon_paths+=("share/icons/hicolor/${size}x$size/apps/tessaly.png"); done
catalogue_paths=()
for language in de es fr ja zh_CN; do catalogue_paths+=("share/tessaly/translations/tessaly_$language.qm"); done
udev_rule=$prefix/lib/udev/rules.d/70-tessaly.rules
copyright_file=$prefix/share/doc/tessaly/copyright
changelog_file=$prefix/share/doc/tessaly/changelog.gz
manual_file=$prefix/share/man/man1/tessaly.1.gz
bus_service_file=$prefix/share/dbus-1/services/$app_id.service
user_unit_file=$prefix/lib/systemd/user/tessaly.service

# --- the tree --------------------------------------------------------------------------------------
for file in "$private_dir/tessaly" "$private_dir/tessaly-headless" "$private_dir/libHIDApi.so" \
    "$private_dir/libtessaly-pulse.so" "$private_dir/libtessaly-web.so" "$desktop_file" "$metainfo_file" \
    "${icon_paths[@]/#/$prefix/}" "${catalogue_paths[@]/#/$prefix/}" "$udev_rule" "$copyright_file" "$changelog_file" "$manual_file" \
    "$bus_service_file" "$user_unit_file" "$prefix/bin/tessalyctl"; do
    [ -f "$file" ] && [ ! -L "$file" ] || fail "missing regular file ${file#"$stage"}"
done
[ -x "$private_dir/tessaly" ] || fail "installed program is not executable"
[ "$("$prefix/bin/tessalyctl" --version)" = "tessalyctl $version" ] || fail "installed tessalyctl does not run"
[ "$(readlink "$prefix/share/man/man1/tessalyctl.1.gz")" = tessaly.1.gz ] || fail "no manual page for tessalyctl"
# Both programs find the catalogues from where they are installed.
description="Controls the running Tessaly over the session bus."
LC_ALL=C "$prefix/bin/tessalyctl" --help | grep -q -F "$description" || fail "tessalyctl --help lacks its description"
! LC_ALL=ja_JP.UTF-8 "$prefix/bin/tessalyctl" --help | grep -q -F "$description" ||
    fail "installed tessalyctl does not find its Japanese catalogue"
[ "$(LC_ALL=de_DE.UTF-8 "$prefix/bin/tessaly" --help)" != "$(LC_ALL=C "$prefix/bin/tessaly" --help)" ] ||
    fail "installed tessaly does not find its German catalogue"
! readelf -d "$prefix/bin/tessalyctl" | grep -q -E 'NEEDED.*(Widgets|Gui|HIDApi)' ||
    fail "tessalyctl links window or device code"
! readelf -d "$private_dir/tessaly-headless" | grep -q -E 'NEEDED.*(Widgets|Gui)' ||
    fail "tessaly-headless links window code"
# The sound server's client comes with its module, only where a server runs.
for program in tessaly tessaly-headless; do
    ! readelf -d "$private_dir/$program" | grep -q -E 'NEEDED.*(pulse|Network|WebSockets|qrencode)' ||
        fail "$program links the sound client or the web page's server"
done

link_target=$(readlink "$prefix/bin/tessaly" || true)
[ "$link_target" = "../lib/tessaly/tessaly" ] || fail "bin/tessaly links to '$link_target'"
[ "$(readlink -f "$prefix/bin/tessaly")" = "$(readlink -f "$private_dir/tessaly")" ] ||
    fail "bin/tessaly does not resolve to the installed program"

# Anything else that lands in the prefix is a packaging mistake (a stray header, a build file).
unexpected=$(cd "$prefix" && find . \( -type f -o -type l \) | sort | grep -v -x -F \
    -e ./bin/tessaly -e ./bin/tessalyctl -e ./lib/tessaly/tessaly -e ./lib/tessaly/tessaly-headless -e ./lib/tessaly/libHIDApi.so \
    -e ./lib/tessaly/libtessaly-pulse.so -e ./lib/tessaly/libtessaly-web.so \
    -e "./share/applications/$app_id.desktop" -e "./share/metainfo/$app_id.metainfo.xml" \
    "${icon_paths[@]/#/-e./}" "${catalogue_paths[@]/#/-e./}" -e ./lib/udev/rules.d/70-tessaly.rules -e ./share/doc/tessaly/copyright \
    -e ./share/doc/tessaly/changelog.gz -e ./share/man/man1/tessaly.1.gz -e ./share/man/man1/tessalyctl.1.gz \
    -e "./share/dbus-1/services/$app_id.service" -e ./lib/systemd/user/tessaly.service || true)
[ -z "$unexpected" ] || fail "unexpected installed files: $unexpected"

# --- library search paths: the program's own directory only, never the working directory ------------
# RPATH would outrank LD_LIBRARY_PATH; an empty or relative entry is resolved against the working directory.
for binary in "$build/tessaly" "$private_dir/tessaly" "$build/tessaly-headless" "$private_dir/tessaly-headless" "$build/libHIDApi.so" "$private_dir/libHIDApi.so" \
    "$build/libtessaly-pulse.so" "$private_dir/libtessaly-pulse.so" "$build/libtessaly-web.so" "$private_dir/libtessaly-web.so" \
    "$prefix/bin/tessalyctl"; do
    expected=
    case "$(basename "$binary")" in tessaly | tessaly-headless) expected='(RUNPATH) Library runpath: [$ORIGIN]' ;; esac
    search_path=$(readelf -d "$binary" | sed -n -E '/\((RPATH|RUNPATH)\)/{s/^ *0x[0-9a-f]+ +//; s/ +/ /g; p}')
    [ "$search_path" = "$expected" ] || fail "${binary#"$stage"}: search path '$search_path', expected '$expected'"
done

# --- desktop integration -------------------------------------------------------------------------
desktop-file-validate "$desktop_file" || fail "desktop-file-validate rejects the desktop entry"
appstreamcli validate --no-net "$metainfo_file" || fail "appstreamcli rejects the metainfo"
[ "$(grep -c -F "Comment[" "$desktop_file")" = ${#catalogue_paths[@]} ] || fail "the desktop entry lacks a language"

desktop_key() { sed -n "s/^$1=//p" "$desktop_file"; }
# One menu: AudioVideo, with Audio, which requires it.
[ "$(desktop_key Categories)" = "AudioVideo;Audio;" ] || fail "desktop entry categories"
[ "$(desktop_key Icon).png" = "$(basename "${icon_paths[0]}")" ] || fail "desktop entry names an icon that is not installed"
[ -x "$prefix/bin/$(desktop_key Exec)" ] || fail "desktop entry runs '$(desktop_key Exec)', which bin/ lacks"

grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo_file" ||
    fail "metainfo does not launch the installed desktop entry"
grep -q '<modalias>usb:v046Dp0A0E\*</modalias>' "$metainfo_file" || fail "metainfo lacks the transmitter's modalias"
newest_release=$(grep -o -m1 '<release version="[^"]*"' "$metainfo_file" | cut -d'"' -f2)
[ "$newest_release" = "$version" ] || fail "metainfo's newest release is '$newest_release', the project is $version"

for icon in "${icon_paths[@]}"; do
    # PNG signature, then the width and height of the header chunk, big-endian.
    read -r -a png_header <<<"$(od -An -tu1 -w24 -N24 "$prefix/$icon")"
    [ "${png_header[*]:0:8}" = "137 80 78 71 13 10 26 10" ] || fail "$icon is not a PNG"
    icon_width=$(((png_header[16] << 24) | (png_header[17] << 16) | (png_header[18] << 8) | png_header[19]))
    icon_height=$(((png_header[20] << 24) | (png_header[21] << 16) | (png_header[22] << 8) | png_header[23]))
    [ "${icon_width}x$icon_height" = "$(basename "$(dirname "$(dirname "$icon")")")" ] ||
        fail "$icon is ${icon_width}x$icon_height"
done

[ "$(zcat "$changelog_file" | head -n1)" = "tessaly ($version) unstable; urgency=medium" ] ||
    fail "changelog's newest entry is not $version"

# Bus activation and the user service start the installed program by its path under the prefix.
[ "$(sed -n 's/^Exec=//p' "$bus_service_file")" = "$prefix/bin/tessaly --background" ] ||
    fail "bus activation runs '$(sed -n 's/^Exec=//p' "$bus_service_file")'"
[ "$(sed -n 's/^ExecStart=//p' "$user_unit_file")" = "$prefix/bin/tessaly --headless" ] ||
    fail "the user service runs '$(sed -n 's/^ExecStart=//p' "$user_unit_file")'"

grep -q 'ATTRS{idVendor}=="046d", ATTRS{idProduct}=="0a0e"' "$udev_rule" || fail "udev rule does not match the transmitter"

# --- the installed program runs from its link and loads the library beside it --------------------
runtime=$stage/runtime
mkdir -m 700 "$runtime"
# The sanitizer runtime intercepts dlopen, so the loader sees it, not the program, as the caller and
# never consults the program's RUNPATH; such a build is told the directory (RUNPATH is checked above).
library_path=()
[ "$sanitized" = 0 ] || library_path=(LD_LIBRARY_PATH="$private_dir")
tree_before=$(cd "$prefix" && find . | sort)
env -u LD_LIBRARY_PATH "${library_path[@]}" HOME="$stage" XDG_CONFIG_HOME="$stage/config" XDG_RUNTIME_DIR="$runtime" \
    TESSALY_TEST_LOCK_DIR="$runtime" QT_QPA_PLATFORM=offscreen "$prefix/bin/tessaly" >"$stage/program.log" 2>&1 &
program_pid=$!
loaded=
for _ in $(seq 100); do
    if grep -q -F "$private_dir/libHIDApi.so" "/proc/$program_pid/maps" 2>/dev/null; then
        loaded=yes
        break
    fi
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
[ -n "$loaded" ] || {
    fail "installed program did not load lib/tessaly/libHIDApi.so"
    cat "$stage/program.log"
}
kill "$program_pid" 2>/dev/null || true
wait "$program_pid" 2>/dev/null || true
program_pid=
# Run by root, which could write there, the installed copy still keeps its settings in the user's
# configuration directory and leaves its installation as it was.
[ "$(stat -c %s "$stage/config/tessaly/Config.ini" 2>/dev/null)" = 16 ] || fail "no settings in the user's configuration"
[ "$(cd "$prefix" && find . | sort)" = "$tree_before" ] || fail "the installed program, run by root, changed its installed tree"

# --- the Debian package ------------------------------------------------------------------------------
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$stage/package" >"$stage/cpack.log" 2>&1 || {
    cat "$stage/cpack.log"
    fail "cpack failed"
    exit 1
}
# A sound package builds quietly. A sanitized build is linked without --as-needed, GCC's default for
# those, so it names libraries it never uses, as dpkg-shlibdeps rightly says; it is never shipped.
# Debian 13's libc6 diverts the loader's path from before the merged /usr, and dpkg-shlibdeps warns of any
# diversion it meets; that one is every Debian 13 system's.
[ "$sanitized" = 1 ] || ! grep -i warning "$stage/cpack.log" | grep -v -F "diversions involved" ||
    fail "cpack printed warnings"
deb=$(find "$stage/package" -maxdepth 1 -name '*.deb')
[ "$(basename "$deb")" = "tessaly_${version}_$(dpkg --print-architecture).deb" ] || fail "package file name '$deb'"

contents=$(dpkg-deb -c "$deb")
for path in ./usr/lib/tessaly/tessaly ./usr/lib/tessaly/tessaly-headless ./usr/lib/tessaly/libHIDApi.so \
    ./usr/lib/tessaly/libtessaly-pulse.so ./usr/lib/tessaly/libtessaly-web.so "./usr/share/applications/$app_id.desktop" \
    "./usr/share/metainfo/$app_id.metainfo.xml" "${icon_paths[@]/#/./usr/}" "${catalogue_paths[@]/#/./usr/}" ./usr/lib/udev/rules.d/70-tessaly.rules \
    ./usr/share/doc/tessaly/copyright ./usr/share/doc/tessaly/changelog.gz ./usr/share/man/man1/tessaly.1.gz; do
    grep -q -E "^-[rwx-]{9} root/root .* ${path//./\\.}$" <<<"$contents" || fail "package lacks $path (root-owned file)"
done
grep -q -F './usr/bin/tessaly -> ../lib/tessaly/tessaly' <<<"$contents" || fail "package lacks the bin/tessaly link"
grep -q -E '^-rwxr-xr-x root/root .* \./usr/bin/tessalyctl$' <<<"$contents" || fail "package lacks bin/tessalyctl"

[ "$(dpkg-deb -f "$deb" Package)" = tessaly ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version"
depends=$(dpkg-deb -f "$deb" Depends)
for library_package in libqt6widgets6 libqt6gui6 libqt6dbus6 libqt6core6 libudev1 libc6; do
    # Debian 13 renamed some for their 64-bit time: libqt6core6t64.
    grep -q -E "\b$library_package(t64)?\b" <<<"$depends" || fail "package does not depend on $library_package: $depends"
done

lintian --pedantic --fail-on error,warning "$deb" 2>/dev/null || fail "lintian reports errors or warnings"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "staged install and package OK"
