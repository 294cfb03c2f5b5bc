#!/bin/bash
# One screenshot session inside Xvfb (run by tools/screenshots.sh):
#   screenshots-session.sh PROGRAM_FOLDER OUT_DIR WIDTHxHEIGHT TRUCKLOAD.vlm
set -euo pipefail
folder=$1 out=$2 size=$3 sample=$4
width=${size%x*} height=${size#*x}

"$folder/velmora" >"$out/velmora-$size.log" 2>&1 &
program=$!
trap 'kill $program 2>/dev/null || true' EXIT

# The main window (the splash window closes by itself after two seconds).
window=""
for _ in $(seq 1 100); do
    window=$(xdotool search --onlyvisible --name '^Velmora' 2>/dev/null | tail -1 || true)
    [ -n "$window" ] && [ "$(xdotool getwindowname "$window")" != "" ] && break
    sleep 0.2
done
[ -n "$window" ] || { echo "screenshots: the main window did not appear" >&2; exit 1; }
sleep 2.5
# Without a window manager the window is sized as a maximised one would be.
xdotool windowmove "$window" 0 0 windowsize "$window" "$width" "$height"
sleep 1

shot() {   # shot NAME: the whole screen after the program settled
    sleep "${2:-1}"
    import -window root "$out/$1-$size.png"
}
keys() { xdotool key --clearmodifiers --delay 120 "$@"; }
view() {   # view N: the Nth view of the View menu (1 Truckload ... 4 Saved)
    xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
    keys alt+v
    for _ in $(seq 1 $(( $1 + 1 ))); do keys Down; done
    keys Return
}

xdotool windowfocus "$window" 2>/dev/null || true
shot truckload-empty
# A saved truckload opened through File > Open: the compliance view shows.
keys ctrl+o
sleep 1.5
xdotool type --delay 20 "$sample"
keys Return
shot compliance 2
view 1
shot truckload
view 3
xdotool type --delay 20 "gasoline"
keys Return
shot search 2
view 4
shot saved-loads 2
