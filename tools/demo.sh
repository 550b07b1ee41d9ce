#!/bin/bash
# The demo: a simulated board of the HW1 family. boardsetup installs the
# CPU thermal monitor from the medium and starts it; the board's fan then
# fails and recovers; the remover takes the monitor off again. Screenshots
# of each step are saved and their paths printed.
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD=build/win64
DEMO=build/demo
SESSION=e2e/harness/wine-session.sh
SHOTS=$PWD/$DEMO/screenshots

run() { "$SESSION" run "$DEMO" "$@" </dev/null 2>/dev/null; }
board() { run 'C:\boardsim\boardctl.exe' "$@" | tr -d '\r'; }
journal() { tr -d '\r' <"$PREFIX/drive_c/boardsim/journal.txt" 2>/dev/null | sed 's/^/  /'; }
installed() { ls "$PREFIX/drive_c/windows" | grep -E '^(Ravlo\.exe|RemoveRV\.inf|TRAYREMOVE\.EXE)$' | sed 's/^/  /' || echo "  (none)"; }

# shot NAME: the whole screen, and the tray corner enlarged.
shot() {
    "$SESSION" shot "$DEMO" "$SHOTS/$1.png"
    convert "$SHOTS/$1.png" -crop 96x20+928+748 +repage -scale 400% "$SHOTS/$1-tray.png"
    echo "  screenshot: $SHOTS/$1.png (tray: $1-tray.png)"
}

mkdir -p "$DEMO"
trap '"$SESSION" stop "$DEMO" >/dev/null 2>&1 || true' EXIT
"$SESSION" start "$DEMO" "$BUILD"
PREFIX=$DEMO/prefix
mkdir -p "$SHOTS"

echo
echo "== this machine's own firmware, as Wine reports it"
board ioprobe-firmware | sed 's/^/  /' || true

echo
echo "== a simulated board of the HW1 family: all six items in order"
board ioprobe --manufacturer Ostrel --product QR4W --vendor 0x3F,0x3E | sed 's/^/  /'
board ioprobe-clear-log

echo
echo "== boardsetup from C:\\medium"
run start /wait /d 'C:\medium' 'C:\medium\BOARDSETUP.EXE'
sleep 3
echo "programs started (uptime ms, program, show command, directory, command line):"
journal
echo "installed into C:\\windows:"
installed
pgrep -f 'Ravlo.exe' >/dev/null && echo "running: C:\\windows\\Ravlo.exe, in the tray"
shot 1-installed

echo
echo "== the fan stops"
board ioprobe --manufacturer Ostrel --product QR4W --vendor 0x3F,0x1E >/dev/null
sleep 2
shot 2-fan-failure

echo
echo "== the fan runs again"
board ioprobe --manufacturer Ostrel --product QR4W --vendor 0x3F,0x3E >/dev/null
sleep 2
shot 3-fan-recovered

echo
echo "== the temperature rises too high"
board ioprobe --manufacturer Ostrel --product QR4W --vendor 0x3F,0x3F >/dev/null
sleep 2
shot 4-too-hot

echo
echo "== TRAYREMOVE.EXE"
: >"$PREFIX/drive_c/boardsim/journal.txt"
run 'C:\windows\TRAYREMOVE.EXE'
sleep 3
echo "programs started:"
journal
echo "left in C:\\windows:"
installed
board ioprobe-log | head -1 | sed 's/^/  firmware driver: /'
shot 5-removed
