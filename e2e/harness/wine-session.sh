#!/bin/bash
# A Wine session for the end-to-end tests and the demo: a fresh prefix, an
# Xvfb display, a virtual desktop with a taskbar, and the simulated board.
#
#   wine-session.sh start DIR BUILD_DIR   fresh prefix in DIR/prefix, board installed
#   wine-session.sh run DIR PROGRAM ARGS  run a Windows program in the session
#   wine-session.sh shot DIR FILE.png     screenshot of the whole display
#   wine-session.sh stop DIR              end every process of the session
#
# Windows-side layout (see e2e/support/prefix_layout.h):
#   C:\boardsim\          boardctl.exe, SMBUS.dll and its probe, the journal, screenshots
#   C:\kalvor\            KALVOR.EXE with its factory settings and its own SMBUS.dll
#   C:\pelmox\            PELMOX.EXE alone (no vendor file, no warning sound)
#   C:\windows\rundll.exe the INF installer entry
#   C:\medium            the installation medium
#   C:\probe-medium, M:\, "C:\Ostrel Driver Disk\Mainboard Utilities"
#                         the probe medium (one copy, three places)
set -euo pipefail

WINE64=/usr/lib/wine/wine64
WINESERVER_BIN=/usr/lib/wine/wineserver64
SCREEN=1024x768

die() { echo "wine-session: $*" >&2; exit 1; }

session_env() { echo "$1/session.env"; }

load_session() {
    local env
    env=$(session_env "$1")
    [ -f "$env" ] || die "no session in $1"
    # shellcheck disable=SC1090
    . "$env"
    export WINEPREFIX WINELOADER WINESERVER WINEDEBUG DISPLAY
}

free_display() {
    local n
    for n in $(seq 90 250); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || { echo "$n"; return; }
    done
    die "no free X display"
}

start_xvfb() {
    local dir=$1 n attempt
    for attempt in 1 2 3; do
        n=$(free_display)
        Xvfb ":$n" -screen 0 "${SCREEN}x24" -nolisten tcp >"$dir/xvfb.log" 2>&1 </dev/null &
        XVFB_PID=$!
        for _ in $(seq 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && { DISPLAY=":$n"; return; }
            kill -0 "$XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
        kill "$XVFB_PID" 2>/dev/null || true
    done
    die "Xvfb did not start"
}

# Wine's helper processes outlive the command that started them and keep
# whatever output they inherited open; they must never hold the caller's.
wine_run() { "$WINE64" "$@" >>"$SESSION_LOG" 2>&1 </dev/null; }

install_board() {
    local build=$1 c="$WINEPREFIX/drive_c"
    mkdir -p "$c/boardsim/shots"
    cp "$build/boardsim/boardctl.exe" "$build/boardsim/SMBUS.dll" "$build/boardsim/smbus_probe.exe" "$c/boardsim/"
    cp "$build/boardsim/rundll.exe" "$c/windows/"
    cp "$build/boardsim/ioprobe/ioprobe.sys" "$c/windows/system32/drivers/"
    cp "$build/boardsim/pelmox/pelmox.sys" "$c/windows/system32/drivers/"
    mkdir -p "$c/kalvor"
    cp "$build/kalvor/KALVOR.EXE" "$build/kalvor/DEFAULT.DAT" "$build/boardsim/SMBUS.dll" "$c/kalvor/"
    mkdir -p "$c/pelmox"
    cp "$build/pelmox/shell/PELMOX.EXE" "$c/pelmox/"
    wine_run sc create ioprobe type= kernel start= demand \
        binpath= 'C:\windows\system32\drivers\ioprobe.sys'
    wine_run sc start ioprobe
    wine_run sc create pelmox type= kernel start= demand \
        binpath= 'C:\windows\system32\drivers\pelmox.sys'
    wine_run sc start pelmox
    wine_run 'C:\boardsim\boardctl.exe' ioprobe --product QR4W --vendor 0x3F,0x3E
}

place_medium() {
    local disk=$1/driver-disk probe=$1/probe-disk c="$WINEPREFIX/drive_c"
    [ -d "$disk" ] || die "no installation medium in $disk"
    ln -sfn "$disk" "$c/medium"
    [ -d "$probe" ] || return 0
    ln -sfn "$probe" "$c/probe-medium"
    mkdir -p "$c/Ostrel Driver Disk"
    ln -sfn "$probe" "$c/Ostrel Driver Disk/Mainboard Utilities"
    ln -sfn "$probe" "$WINEPREFIX/dosdevices/m:"
}

use_virtual_desktop() {
    wine_run reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f
    wine_run reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d "$SCREEN" /f
}

cmd_start() {
    local dir=$1 build
    build=$(cd "$2" && pwd)
    mkdir -p "$dir"
    dir=$(cd "$dir" && pwd)
    [ -f "$(session_env "$dir")" ] && cmd_stop "$dir"
    rm -rf "$dir/prefix" "$dir/shots"

    export HOME=${HOME:-$dir}
    start_xvfb "$dir"
    WINEPREFIX="$dir/prefix" WINELOADER=$WINE64 WINESERVER=$WINESERVER_BIN WINEDEBUG=-all
    export WINEPREFIX WINELOADER WINESERVER WINEDEBUG DISPLAY
    cat >"$(session_env "$dir")" <<EOF
WINEPREFIX='$WINEPREFIX'
WINELOADER='$WINELOADER'
WINESERVER='$WINESERVER'
WINEDEBUG='$WINEDEBUG'
DISPLAY='$DISPLAY'
XVFB_PID='$XVFB_PID'
EOF
    SESSION_LOG="$dir/wine.log"
    WINEDLLOVERRIDES="mscoree,mshtml=" wine_run wineboot -i
    "$WINESERVER" -w
    # A persistent server keeps the service manager, and with it the
    # simulated drivers, alive between the programs of a test run.
    "$WINESERVER" -p >>"$SESSION_LOG" 2>&1 </dev/null
    use_virtual_desktop
    install_board "$build"
    place_medium "$build"
    echo "wine-session: prefix $WINEPREFIX on display $DISPLAY"
}

cmd_run() {
    local dir=$1
    shift
    load_session "$dir"
    exec "$WINE64" "$@"
}

cmd_shot() {
    load_session "$1"
    import -display "$DISPLAY" -window root "$2"
}

# Screenshots the tests saved as bitmaps become PNG files beside the session.
convert_shots() {
    local dir=$1 bmp
    local shots="$WINEPREFIX/drive_c/boardsim/shots"
    [ -d "$shots" ] || return 0
    mkdir -p "$dir/shots"
    for bmp in "$shots"/*.bmp; do
        [ -e "$bmp" ] || continue
        convert "$bmp" "$dir/shots/$(basename "${bmp%.bmp}").png" && rm -f "$bmp"
    done
}

cmd_stop() {
    local dir=$1
    load_session "$dir"
    convert_shots "$dir" || true
    "$WINESERVER" -k 2>/dev/null || true
    "$WINESERVER" -w 2>/dev/null || true
    if kill "$XVFB_PID" 2>/dev/null; then
        for _ in $(seq 50); do kill -0 "$XVFB_PID" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$XVFB_PID" 2>/dev/null || true
    fi
    rm -f "$(session_env "$dir")"
}

[ $# -ge 2 ] || die "usage: wine-session.sh start|run|shot|stop DIR ..."
command=$1
shift
case $command in
    start) [ $# -eq 2 ] || die "usage: start DIR BUILD_DIR"; cmd_start "$@" ;;
    run) [ $# -ge 2 ] || die "usage: run DIR PROGRAM [ARGS]"; cmd_run "$@" ;;
    shot) [ $# -eq 2 ] || die "usage: shot DIR FILE.png"; cmd_shot "$@" ;;
    stop) cmd_stop "$1" ;;
    *) die "unknown command $command" ;;
esac
