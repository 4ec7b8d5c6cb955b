#!/bin/sh
# Installs the built handbook into a scratch folder and checks what a Linux
# desktop reads from it, then builds the Debian package and lets lintian
# judge it.
#     install_check.sh <build folder>
set -eu
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

DESTDIR="$scratch/root" cmake --install "$build" --prefix /usr >/dev/null
root="$scratch/root/usr"
test -x "$root/bin/vielnis"
desktop-file-validate "$root/share/applications/org.example.Vielnis.desktop"
appstreamcli validate --no-net --pedantic "$root/share/metainfo/org.example.Vielnis.metainfo.xml"
for size in 16 24 32 48 64 128 256; do
    test -s "$root/share/icons/hicolor/${size}x${size}/apps/org.example.Vielnis.png"
done
grep -q "<svg" "$root/share/icons/hicolor/scalable/apps/org.example.Vielnis.svg"

cpack --config "$build/CPackConfig.cmake" -B "$scratch/package" >/dev/null
package=$(ls "$scratch"/package/vielnis_*.deb)
dpkg-deb -f "$package" Depends | grep -q libqt6widgets6
lintian --fail-on error "$package"
echo "install check passed"
