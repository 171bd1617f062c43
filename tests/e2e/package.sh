#!/usr/bin/env bash
# The Debian package: built with CPack from the build folder, unpacked into a
# scratch root and checked (files, desktop entry, dependencies, the installed
# lotra-sim). As root it is also installed with apt, started from a clean home
# directory under Xvfb, closed, and removed again.
# Usage: package.sh <build dir> <source dir>
set -euo pipefail

build="$(cd "$1" && pwd)"
work=$(mktemp -d)
installed=0
cleanup() {
    [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
    [ "$installed" = 1 ] && apt-get remove -y -q lotra >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/package" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log"; fail "cpack could not build the package"; }
deb=$(ls "$work"/package/lotra_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || fail "no lotra_*.deb was made"

root="$work/root"
dpkg-deb -x "$deb" "$root"
for file in usr/bin/lotra usr/bin/lotra-sim usr/share/applications/lotra.desktop \
    usr/share/icons/hicolor/48x48/apps/lotra.png usr/share/icons/hicolor/256x256/apps/lotra.png \
    usr/share/lotra/help.html usr/share/lotra/fon/fon.gif; do
    [ -e "$root/$file" ] || fail "the package lacks /$file"
done
ls "$root"/usr/share/lotra/examples/* >/dev/null 2>&1 || fail "the package holds no example circuits"
desktop-file-validate "$root/usr/share/applications/lotra.desktop" || fail "desktop entry refused"
grep -qx 'Name=Лотра - 2' "$root/usr/share/applications/lotra.desktop" || fail "desktop entry name"
grep -q '^Path=' "$root/usr/share/applications/lotra.desktop" && fail "the desktop entry must not set a working folder"

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6gui6 libqt6network6 libqt6core6 qt6-qpa-plugins \
    fonts-liberation fonts-dejavu-core; do
    grep -q "$package" <<<"$depends" || fail "Depends lacks $package: $depends"
done

"$root/usr/bin/lotra-sim" --help >"$work/help.txt" || fail "installed lotra-sim --help failed"
grep -q -- '--ticks' "$work/help.txt" || fail "lotra-sim --help does not explain --ticks"
echo "package: $(basename "$deb"), $(dpkg-deb -c "$deb" | wc -l) entries"
echo "Depends: $depends"

# Installing it for real needs root and apt; elsewhere the unpacked checks suffice.
if [ "$(id -u)" -ne 0 ] || ! command -v apt-get >/dev/null || ! command -v Xvfb >/dev/null; then
    echo "skipping the apt installation (not root)"
    exit 0
fi
if dpkg-query -W -f='${Status}' lotra 2>/dev/null | grep -q "install ok installed"; then
    echo "skipping the apt installation (a lotra package is already installed)"
    exit 0
fi
apt-get install -y -q "$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt could not install the package"; }
installed=1
[ "$(command -v lotra)" = /usr/bin/lotra ] || fail "lotra is not on the PATH after installation"

home="$work/home"
mkdir -p "$home" "$work/runtime" && chmod 700 "$work/runtime"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -1 "$work/display")"
(cd "$home" && HOME="$home" XDG_RUNTIME_DIR="$work/runtime" TMPDIR="$work" \
    QT_QPA_PLATFORM=xcb /usr/bin/lotra >"$work/lotra.log" 2>&1) &
app=$!
window=""
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^Лотра - 2$' 2>/dev/null | head -1) && [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { cat "$work/lotra.log"; fail "the installed program showed no window"; }
[ -e "$home/default.vrt" ] || fail "the installed program made no recovery file in the home folder"
kill -TERM "$app"
wait "$app" 2>/dev/null || true
app=""
echo "installed with apt, started from a clean home folder, window shown"
