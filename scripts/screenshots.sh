#!/usr/bin/env bash
# Screenshots of the program for its AppStream metainfo, taken under Xvfb:
# the program opens the sample saved truckload given on its command line
# (its compliance view), and once more without a truckload.
#
#   scripts/screenshots.sh [VELMORA] [OUTDIR]
#     VELMORA  the program (default build/bin/velmora)
#     OUTDIR   where the PNGs go (default packaging/screenshots)
# Needs xvfb-run (xvfb), import (imagemagick), xwininfo (x11-utils) and
# xdotool: Xvfb has no window manager, so the script sizes the window.
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/bin/velmora}")
out=$(realpath -m "${2:-packaging/screenshots}")
sample=$(realpath "tests/cli/samples/TRUCK 7.vlm")
mkdir -p "$out"

if [ -z "${VELMORA_SCREENSHOTS_INSIDE:-}" ]; then
  export VELMORA_SCREENSHOTS_INSIDE=1
  exec xvfb-run -a -s "-screen 0 1600x1000x24" "$0" "$program" "$out"
fi

# Settings of a first run, kept out of the user's own and the program's folders.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data

# shot NAME ARGS...: starts the program, waits for its main window, grabs it.
shot() {
  local name=$1
  shift
  "$program" "$@" &
  local pid=$!
  local id=""
  for _ in $(seq 60); do
    id=$(xwininfo -root -tree | awk '/"Velmora - Commercial[^"]*": \(/ && $0 ~ /[0-9]+x[0-9]+\+/ {
           split($0, a, "x"); if (a[2] + 0 > 600) { print $1; exit } }')
    [ -n "$id" ] && break
    sleep 1
  done
  if [ -z "$id" ]; then
    kill "$pid" 2>/dev/null || true
    echo "screenshots: the main window did not appear" >&2
    return 1
  fi
  xdotool windowmove "$id" 0 0 windowsize "$id" 1600 1000
  sleep 3   # the splash window closes after two seconds
  import -window "$id" "$out/$name.png"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "screenshots: $out/$name.png"
}

shot compliance "$sample"
shot start
