#!/bin/bash
# The demo: a simulated board of the HW1 family. boardsetup installs the
# CPU thermal monitor from the medium and starts it; the board's fan then
# fails and recovers; the remover takes the monitor off again. Then the
# SMBus health monitor runs on the simulated monitor chip, whose CPU fan
# stops and runs again on a script. Last the chipset monitor runs on the
# simulated chipset driver: normal, a fan failing, overheating, recovery.
# Screenshots of each step are saved and their paths printed.
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

# The session's windows, through its X display: xdotool finds them by
# title, clicks and types into them.
xdo() { DISPLAY=$X_DISPLAY xdotool "$@"; }

# wait_window TITLE [--onlyvisible]: the X window of the Windows window
# with exactly this title, waited for up to 30 s; fails when none appears.
wait_window() {
    local id
    for _ in $(seq 150); do
        id=$(xdo search ${2:-} --name "^$1\$" 2>/dev/null | head -1) || true
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.2
    done
    echo "demo: no window \"$1\" appeared" >&2
    return 1
}

# wait_gone TITLE: waits up to 10 s until no window of this title shows.
wait_gone() {
    for _ in $(seq 50); do
        xdo search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.2
    done
    echo "demo: the window \"$1\" stayed" >&2
    return 1
}

# press WINDOW KEY: the key, typed into this window.
press() {
    xdo windowfocus "$1"
    sleep 0.3
    xdo key "$2"
}

kalvor_running() { pgrep -f 'KALVOR\.EXE' >/dev/null; }

mkdir -p "$DEMO"
trap '"$SESSION" stop "$DEMO" >/dev/null 2>&1 || true' EXIT
"$SESSION" start "$DEMO" "$BUILD"
X_DISPLAY=$(. "$DEMO/session.env" && echo "$DISPLAY")
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

echo
echo "== KALVOR.EXE from C:\\kalvor on the simulated SMBus chip"
# The scenario's times count from the chip's first use, as kalvor starts.
FAN_STOPS=15 FAN_RUNS=22
SCENARIO=$PREFIX/drive_c/kalvor/demo.scn
cat >"$SCENARIO" <<EOF
board variant=0 v2ratio=4.8
at 0 temperature=42 vin1=3.32 vin2=12.1 vin3=2.0 vdd=5.02 fan1=4500 fan2=4000
at $FAN_STOPS fan1=0
at $FAN_RUNS fan1=4400
EOF
echo "scenario C:\\kalvor\\demo.scn (SMBUS_SCENARIO; times in seconds after kalvor starts):"
sed 's/^/  /' "$SCENARIO"
SMBUS_SCENARIO='C:\kalvor\demo.scn' run start /d 'C:\kalvor' 'C:\kalvor\KALVOR.EXE'
STARTED=$SECONDS
wait_window "Ostrel System Monitor" --onlyvisible >/dev/null && echo "  wait dialog: Ostrel System Monitor"
MAIN=$(wait_window "Ostrel System Health Monitor R2.20")
wait_gone "Ostrel System Monitor"
echo "  main dialog: Ostrel System Health Monitor R2.20, hidden behind its tray icon"
sleep 1

echo
echo "== a click on kalvor's tray icon shows the main dialog with the chip's readings"
# kalvor's is the only icon in the tray, at the right end of the taskbar.
xdo mousemove 1013 757 click 1
wait_window "Ostrel System Health Monitor R2.20" --onlyvisible >/dev/null
xdo mousemove 600 700  # off the icon, so that its tip goes
sleep 2
shot 6-kalvor-main

echo
echo "== the CPU fan stops (at $FAN_STOPS s): the next full update opens the warning list"
WARNING=$(wait_window "Kalvor warning messages" --onlyvisible)
echo "  warning list open after $((SECONDS - STARTED)) s"
sleep 1
shot 7-kalvor-warning

echo
echo "== the CPU fan runs again (at $FAN_RUNS s); Close shuts the warning list"
while [ $((SECONDS - STARTED)) -le $((FAN_RUNS + 2)) ]; do sleep 1; done
# Polling waits while the list is up. Should the list have opened again
# before the fan ran, it is closed the same way.
for _ in 1 2 3 4; do
    press "$WARNING" Return
    wait_gone "Kalvor warning messages"
    sleep 6
    WARNING=$(xdo search --onlyvisible --name '^Kalvor warning messages$' 2>/dev/null | head -1) || true
    [ -n "$WARNING" ] || break
    echo "  the list opened again; closing it"
done
[ -z "$WARNING" ] || { echo "demo: the warning list keeps opening" >&2; exit 1; }
echo "  no warning since; the readings and the tray icon are back to normal"
shot 8-kalvor-recovered

echo
echo "== Alt+F4 on the main dialog; \"Health Center Message\" answered Yes"
press "$MAIN" alt+F4
QUESTION=$(wait_window "Health Center Message" --onlyvisible)
press "$QUESTION" Return
for _ in $(seq 50); do kalvor_running || break; sleep 0.2; done
if kalvor_running; then echo "demo: KALVOR.EXE did not end" >&2; exit 1; fi
echo "  KALVOR.EXE ended"

pelmox_running() { pgrep -f 'PELMOX\.EXE' >/dev/null; }
PELMOX_CAPTION="Tavro System Hardware Monitor"

echo
echo "== PELMOX.EXE from C:\\pelmox on the simulated chipset monitor driver"
board chipset-reset >/dev/null
run start /d 'C:\pelmox' 'C:\pelmox\PELMOX.EXE'
FRAME=$(wait_window "$PELMOX_CAPTION")
echo "  first run: the driver's default limits, all alarm boxes checked; the frame hides at its first paint"
sleep 2
shot 9-pelmox-tray

echo
echo "== a double click on the spinning tray icon restores the frame"
xdo mousemove 1013 757 click --repeat 2 --delay 80 1
wait_window "$PELMOX_CAPTION" --onlyvisible >/dev/null
xdo mousemove 600 700
sleep 2
shot 10-pelmox-normal

echo
echo "== the CPU fan slows to 1200 rpm, below its 3000 rpm limit: the next limit check warns"
board chipset cpufan=1200 | sed 's/^/  /'
WARNING=$(wait_window "  $PELMOX_CAPTION" --onlyvisible)
sleep 2
shot 11-pelmox-fan-warning
press "$WARNING" Return
wait_gone "  $PELMOX_CAPTION"

echo
echo "== the fan runs again and the CPU overheats at 95 C, above its 80 C limit"
board chipset cpufan=4500 cputemp=95 | sed 's/^/  /'
WARNING=$(wait_window "  $PELMOX_CAPTION" --onlyvisible)
sleep 2
shot 12-pelmox-overheat
press "$WARNING" Return
wait_gone "  $PELMOX_CAPTION"

echo
echo "== recovery: every value healthy again"
board chipset-reset >/dev/null
sleep 3
shot 13-pelmox-recovered

echo
echo "== File, Exit: the tray icon goes, the settings are saved, the driver closed"
press "$FRAME" alt+f
sleep 0.5
xdo key x
for _ in $(seq 50); do pelmox_running || break; sleep 0.2; done
if pelmox_running; then echo "demo: PELMOX.EXE did not end" >&2; exit 1; fi
echo "  PELMOX.EXE ended"
echo
echo "screenshots are in $SHOTS"
