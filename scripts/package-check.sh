#!/usr/bin/env bash
# Checks the Debian packages as a user gets them, without installing them:
# each is unpacked into a temporary root (dpkg -x); nothing in it may lie
# under or name the build folder; the installed velmora-check checks a
# sample truckload from another folder; the installed program starts
# offscreen, finds its data under the root's share/velmora and writes its
# settings to the user's folders, never beside itself.
#
#   scripts/package-check.sh [BUILD]     (after make package; BUILD defaults to build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" && pwd)
fail() { echo "package-check: $*" >&2; exit 1; }

shopt -s nullglob
debs=("$build"/velmora_*.deb)
devs=("$build"/velmora-dev_*.deb)
[ ${#debs[@]} -eq 1 ] || fail "expected one velmora_*.deb in $build (make package), found ${#debs[@]}"
[ ${#devs[@]} -eq 1 ] || fail "expected one velmora-dev_*.deb in $build (make package), found ${#devs[@]}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
mkdir -p "$root"
for deb in "${debs[0]}" "${devs[0]}"; do
  if dpkg-deb -c "$deb" | grep -F -- "$build"; then fail "$(basename "$deb") lists files under $build"; fi
  dpkg-deb -x "$deb" "$root"
done
if grep -rlF -- "$build" "$root"; then fail "installed files name the build folder $build"; fi

# What a user relies on is there.
for f in usr/bin/velmora usr/bin/velmora-check usr/include/dravlen.h \
         usr/share/velmora/help/contents.html usr/share/velmora/regulations/cfr-sections.txt \
         usr/share/velmora/Tavisto/quarvel usr/share/applications/velmora.desktop \
         usr/share/mime/packages/velmora.xml usr/share/metainfo/org.velmora.velmora.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/velmora.svg usr/share/icons/hicolor/16x16/apps/velmora.png \
         usr/share/icons/hicolor/256x256/apps/velmora.png \
         usr/share/man/man1/velmora-check.1 usr/share/man/man1/velmora.1; do
  [ -e "$root/$f" ] || fail "the package lacks /$f"
done
library=$(find "$root/usr" -name 'libdravlen.so.*.*.*' -type f)
[ -n "$library" ] || fail "the package lacks libdravlen.so.<version>"
libdir=$(dirname "$library")
readelf -d "$library" | grep -q 'SONAME.*\[libdravlen\.so\.[0-9]*\]' || fail "libdravlen has no SONAME"
[ -e "$libdir/$(readelf -d "$library" | sed -n 's/.*SONAME.*\[\(.*\)\]/\1/p')" ] || fail "no link named after the SONAME"
[ -L "$libdir/libdravlen.so" ] || fail "velmora-dev lacks the libdravlen.so link"
for program in velmora velmora-check; do
  if readelf -d "$root/usr/bin/$program" | grep -E 'R(UN)?PATH' | grep -vF '$ORIGIN'; then
    fail "$program has a run path outside its own folder"
  fi
done
pkgconfig=$(find "$root/usr" -name dravlen.pc)
includedir=$(PKG_CONFIG_PATH=$(dirname "$pkgconfig") pkg-config --variable=includedir dravlen)
libdir_pc=$(PKG_CONFIG_PATH=$(dirname "$pkgconfig") pkg-config --variable=libdir dravlen)
[ -f "$root$includedir/dravlen.h" ] || fail "dravlen.pc names $includedir, which does not hold dravlen.h"
[ -L "$root$libdir_pc/libdravlen.so" ] || fail "dravlen.pc names $libdir_pc, which does not hold libdravlen.so"

# The installed programs, from another folder, with the root's library only.
export LD_LIBRARY_PATH=$libdir
cd "$work"
ldd "$root/usr/bin/velmora-check" | grep -q "libdravlen.so.* => $libdir/" ||
  fail "velmora-check does not load the installed libdravlen"
"$root/usr/bin/velmora-check" --help | grep -q '^usage: velmora-check check' || fail "velmora-check --help"
report=$("$root/usr/bin/velmora-check" check --json "$root/usr/share/doc/velmora/examples/gasoline-cargo-tank.json") ||
  fail "velmora-check did not find the sample legal"
grep -q '"legality": "legal"' <<<"$report" || fail "velmora-check printed no legality: $report"
set +e
"$root/usr/bin/velmora-check" check "$root/usr/share/doc/velmora/examples/do-not-load.json" >/dev/null
rc=$?
set -e
[ $rc -eq 1 ] || fail "velmora-check gave $rc for an illegal sample, not 1"
[ "$("$root/usr/bin/velmora" --version)" = "velmora $(dpkg-deb -f "${debs[0]}" Version)" ] ||
  fail "velmora --version does not name the package version"

export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/run
export QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
# The first run writes the skeleton of the settings file, the second fills
# it in (the version stamp differs).
for run in first second; do
  timeout 120 "$root/usr/bin/velmora" --quit-after-start || fail "the installed program did not start offscreen ($run run)"
done
settings=$XDG_CONFIG_HOME/velmora/hazmat.ini
[ -f "$settings" ] || fail "the program wrote no settings to $XDG_CONFIG_HOME/velmora"
grep -q "^ERGPath=$root/usr/share/velmora/" "$settings" || fail "the program did not take $root/usr/share/velmora as its data"
grep -q "^SavePath=$XDG_DATA_HOME/velmora/" "$settings" || fail "saved truckloads do not go to $XDG_DATA_HOME/velmora"
if find "$root" -name hazmat.ini | grep .; then fail "the program wrote its settings into the installed tree"; fi

# Desktop integration files are valid.
desktop-file-validate "$root/usr/share/applications/velmora.desktop" || fail "velmora.desktop is not valid"
appstreamcli validate --no-net --explain "$root/usr/share/metainfo/org.velmora.velmora.metainfo.xml" >/dev/null ||
  fail "the AppStream metainfo is not valid"
for page in velmora-check velmora; do
  warnings=$(groff -man -Tutf8 -ww -z "$root/usr/share/man/man1/$page.1" 2>&1)
  [ -z "$warnings" ] || fail "$page.1: $warnings"
done
echo "package-check: $(basename "${debs[0]}") and $(basename "${devs[0]}") install and run"
