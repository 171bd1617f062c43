#!/usr/bin/env bash
# The Debian package: built with CPack from the build folder, unpacked into a
# scratch root and checked (files, desktop entry, dependencies, the installed
# lotra-sim). As root it is also installed with apt, started from a clean home
# directory under Xvfb, closed, and removed again.
# Usage: package.sh <build dir> <source dir>
set -euo pipefail

for part in session display; do source "$(dirname "$0")/lib/$part.bash"; done
build="$(cd "$1" && pwd)"
make_work_folder
installed=0
# Run at exit once the programs have ended.
on_exit() {
    [ "$installed" = 1 ] && apt-get remove -y -q lotra >/dev/null 2>&1 || true
}

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
    qt6-translations-l10n fonts-liberation fonts-dejavu-core; do
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
mkdir -p "$home"
require_tools xdotool xdpyinfo
isolate_runtime_folders
start_xvfb
# exec: the program itself, not a shell around it, is the one ended at exit.
(cd "$home" && export HOME="$home" && exec /usr/bin/lotra >"$work/lotra.log" 2>&1) &
app=$!
track_pid "$app"
wait_for_window "$main_title" 10 >/dev/null ||
    { cat "$work/lotra.log"; fail "the installed program showed no window"; }
[ -e "$home/default.vrt" ] || fail "the installed program made no recovery file in the home folder"
end_program "$app"
echo "installed with apt, started from a clean home folder, window shown"
