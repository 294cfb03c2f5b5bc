#!/bin/bash
# Screenshots of every view of the program, for looking at the program as
# its users see it: at each screen size, the program runs under Xvfb from a
# private copy of its folder (so no settings or saved truckloads of the
# build are touched), is driven with the keyboard through xdotool, and each
# view is captured with ImageMagick's `import`.
#
#   tools/screenshots.sh [BUILD_DIR [OUT_DIR [SIZE...]]]
#
# BUILD_DIR defaults to build, OUT_DIR to build/screenshots, the sizes to
# 1600x1000 and 1024x700.  Needs xvfb-run, xdotool and imagemagick.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
out=${2:-$build/screenshots}
shift $(( $# > 2 ? 2 : $# ))
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1600x1000 1024x700)
for tool in xvfb-run xdotool import; do
    command -v "$tool" >/dev/null || { echo "screenshots: $tool is missing (apt-get install xvfb xdotool imagemagick)" >&2; exit 1; }
done
mkdir -p "$out"
out=$(cd "$out" && pwd)
sample="$here/tests/cli/samples/TRUCK 7.vlm"

for size in "${sizes[@]}"; do
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    # The program and its library copied, its data linked: the program
    # folder is the private copy (writable, so settings stay in it).
    cp "$build/bin/velmora" "$build/bin/libdravlen.so"* "$work/"
    for entry in "$build/bin"/*; do
        [ -d "$entry" ] && ln -s "$entry" "$work/$(basename "$entry")"
    done
    XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data \
        xvfb-run -a -s "-screen 0 ${size}x24" \
        bash "$here/tools/screenshots-session.sh" "$work" "$out" "$size" "$sample"
    rm -rf "$work"
    trap - EXIT
done
echo "screenshots in $out"
