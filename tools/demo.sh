#!/bin/bash
# The demo: a simulated board of the HW1 family, boardsetup run from the
# installation medium, and what it started, with a screenshot.
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD=build/win64
DEMO=build/demo
SESSION=e2e/harness/wine-session.sh
SHOT=$PWD/$DEMO/boardsetup-demo.png

run() { "$SESSION" run "$DEMO" "$@" </dev/null 2>/dev/null; }

mkdir -p "$DEMO"
trap '"$SESSION" stop "$DEMO" >/dev/null 2>&1 || true' EXIT
"$SESSION" start "$DEMO" "$BUILD"
PREFIX=$DEMO/prefix

# Serve the machine's own System Information when Wine reports one, so the
# demo first shows the real board name, then the board of the demo.
if run 'C:\boardsim\boardctl.exe' ioprobe-firmware | sed 's/^/this machine: /'; then :; fi
run 'C:\boardsim\boardctl.exe' ioprobe --manufacturer "Ostrel" --product QR4W --vendor 0x3F,0x3E |
    sed 's/^/simulated /'
run 'C:\boardsim\boardctl.exe' ioprobe-clear-log

echo "running C:\\medium\\BOARDSETUP.EXE from C:\\medium ..."
run start /wait /d 'C:\medium' 'C:\medium\BOARDSETUP.EXE'
sleep 2
"$SESSION" shot "$DEMO" "$SHOT"

echo
echo "firmware requests boardsetup sent (handles):"
run 'C:\boardsim\boardctl.exe' ioprobe-log | tr -d '\r' | sed 's/^/  /'
echo
echo "programs started (uptime ms, program, show command, directory, command line):"
tr -d '\r' <"$PREFIX/drive_c/boardsim/journal.txt" | sed 's/^/  /'
echo
echo "installed into C:\\windows:"
ls "$PREFIX/drive_c/windows" | grep -E '^(Ravlo\.exe|RemoveRV\.inf|TRAYREMOVE\.EXE)$' | sed 's/^/  /'
echo
echo "screenshot: $SHOT"
