#!/usr/bin/env bash
# Checks the program as it is installed. Usage: installed_test.sh MODE BUILD_DIR DESKTOP_ID
#   files         the installed desktop entry, metadata, MIME type and manual page validate
#   command-line  --help, --version and a wrong option, without any display
#   program       the installed copy, run by a user who cannot write its prefix, keeps a
#                 memory between two runs in that user's config folder and changes nothing
#                 under the prefix
set -euo pipefail

mode=$1
build=$(cd "$2" && pwd)
here=$(dirname "$(readlink -f "$0")")
id=$3

work=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
chmod 755 "$work"
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# --- install into a temporary DESTDIR ------------------------------------------------------
dest=$work/dest
DESTDIR=$dest cmake --install "$build" --prefix /usr >"$work/install.log" ||
    { cat "$work/install.log"; fail "cmake --install"; }
prefix=$dest/usr
[ -x "$prefix/bin/pelcorcalc" ] || fail "no bin/pelcorcalc"
desktop=$prefix/share/applications/$id.desktop

case $mode in
files)
    for f in "$desktop" "$prefix/share/metainfo/$id.metainfo.xml" \
        "$prefix/share/mime/packages/$id.xml" "$prefix/share/man/man1/pelcorcalc.1.gz" \
        "$prefix/share/icons/hicolor/scalable/apps/$id.svg" \
        "$prefix/share/pelcorcalc/Splash1.jpg" "$prefix/share/pelcorcalc/BmpFiles/Pointer.bmp" \
        "$prefix/share/pelcorcalc/calculator_help/help_menu.htm"; do
        [ -s "$f" ] || fail "missing $f"
    done
    for size in 16 22 32 48 64 128 256; do
        png=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
        file "$png" | grep -q "PNG image data, $size x $size," || fail "$png is not $size x $size"
    done
    # The runtime files are installed byte for byte as built.
    for f in Splash1.jpg Pelcor.jpg BmpFiles/Pointer.bmp SndFiles/Soundon.wav \
        CalcLibrary/Space.jpg calculator_help/help_menu.htm; do
        cmp "$build/bin/$f" "$prefix/share/pelcorcalc/$f" || fail "$f differs from the build"
    done
    desktop-file-validate "$desktop" || fail "desktop-file-validate"
    grep -qx 'Exec=pelcorcalc %f' "$desktop" || fail "Exec line"
    grep -qx 'Categories=Education;Math;Science;' "$desktop" || fail "Categories line"
    appstreamcli validate --no-net --explain "$prefix/share/metainfo/$id.metainfo.xml" ||
        fail "appstreamcli validate"
    # The MIME database built from the package's file knows *.pcz.
    cp -r "$prefix/share/mime" "$work/mime"
    update-mime-database "$work/mime" >"$work/mime.log" 2>&1 || { cat "$work/mime.log"; fail "update-mime-database"; }
    grep -q '^application/x-pelcor-drawing:\*\.pcz$' "$work/mime/globs" || fail "no *.pcz glob"
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
        man --warnings -E UTF-8 -l -Tutf8 -Z "$prefix/share/man/man1/pelcorcalc.1.gz" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "manual page: $warnings"
    echo "installed files validate"
    ;;

command-line)
    # No display and no platform chosen: --help and --version must not need one.
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/pelcorcalc" --version)
    version=$(sed -n 's/^project(PelcorCalculator VERSION \([0-9.]*\).*/\1/p' \
        "$here/../../CMakeLists.txt")
    [ "$out" = "pelcorcalc $version" ] || fail "--version said '$out', not 'pelcorcalc $version'"
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/pelcorcalc" --help)
    grep -q -- '--version' <<<"$out" && grep -q 'drawing' <<<"$out" || fail "--help said: $out"
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/pelcorcalc" --frobnicate \
        >"$work/out" 2>"$work/err" || status=$?
    [ $status -eq 2 ] || fail "an unknown option gave status $status, not 2"
    [ ! -s "$work/out" ] || fail "an unknown option wrote to standard output"
    grep -q "frobnicate" "$work/err" && grep -q -- '--help' "$work/err" ||
        fail "an unknown option said: $(cat "$work/err")"
    echo "command line works without a display"
    ;;

program)
    command -v xvfb-run >/dev/null && command -v xdotool >/dev/null ||
        fail "xvfb-run and xdotool are needed"
    home=$work/home
    mkdir -p "$home" "$work/runtime" "$work/log"
    chmod 700 "$work/runtime"
    # The prefix is read-only for its user; root is not stopped by that, so root runs the
    # program as nobody.
    chmod -R a-w "$dest"
    as_user=()
    if [ "$(id -u)" -eq 0 ]; then
        chown nobody "$home" "$work/runtime" "$work/log"
        as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    fi
    listing() { (cd "$dest" && find . -printf '%p %s %m %T@\n' | sort && find . -type f -exec md5sum {} + | sort); }
    listing >"$work/before"

    # The program is started as its desktop entry says, the file code dropped.
    exec_line=$(sed -n 's/^Exec=//p' "$desktop" | sed 's/ *%[fFuU]//')
    # A sanitizer build keeps its options; the X libraries' own memory is not the program's.
    sanitizers=()
    for name in ASAN_OPTIONS UBSAN_OPTIONS; do
        [ -z "${!name:-}" ] || sanitizers+=("$name=${!name}")
    done
    # The user may not reach the source tree: the driver and suppressions go along.
    cp "$here/drive_program.sh" "$here/lsan-x11.supp" "$work/"
    chmod 644 "$work/drive_program.sh" "$work/lsan-x11.supp"
    sanitizers+=("LSAN_OPTIONS=suppressions=$work/lsan-x11.supp")
    env -i PATH="$prefix/bin:/usr/bin:/bin" HOME="$home" XDG_RUNTIME_DIR="$work/runtime" \
        LANG=C.UTF-8 "${sanitizers[@]}" "${as_user[@]}" \
        xvfb-run -a -s "-screen 0 1024x768x24" \
        bash "$work/drive_program.sh" "$exec_line" "$work/log/drive.log" ||
        { cat "$work/log/drive.log" 2>/dev/null; fail "driving the installed program"; }
    cat "$work/log/drive.log"

    ini="$home/.config/Pelcor Calculator/Pelcor.ini"
    [ -f "$ini" ] || fail "no Pelcor.ini in the user's config folder: $(find "$home" | head -20)"
    [ -f "$home/.config/Pelcor Calculator/TotalStr.dat" ] || fail "no TotalStr.dat beside it"
    # Line 1 is the readout after the second run's CE and MR1, line 2 memory 1.
    readout=$(sed -n 1p "$ini" | tr -d '\r')
    memory=$(sed -n 2p "$ini" | tr -d '\r')
    [ "$memory" = 47 ] || fail "memory 1 is '$memory', not 47"
    [ "$readout" = 47 ] || fail "the second run recalled '$readout' from memory 1, not 47"
    listing >"$work/after"
    diff "$work/before" "$work/after" || fail "files under the prefix changed"
    echo "the installed program kept memory 1 in $ini and left its prefix alone"
    ;;
*)
    fail "unknown mode $mode"
    ;;
esac
