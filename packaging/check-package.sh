#!/usr/bin/env bash
# Installs the Debian package on a fresh Debian 12 in a chroot and checks it there: apt pulls in
# its dependencies, tova-export converts the installed sample, tova-check finds it matching
# itself and tova-exercise makes an exercise of it, lintian finds no error, the menu entry's Exec
# starts the window (under Xvfb, from the home folder as a menu would) on the sample in a new
# drawings folder without a message, a *.KRT opened with gio (as a file manager opens it) comes
# up in the window, its icon is installed, Help finds the help pages beside the program, and the
# MIME, icon and menu caches are rebuilt by dpkg triggers. Needs root and the network; not part
# of make test.
#
# Usage: packaging/check-package.sh [PACKAGE.deb] [OUT_DIR]
#   PACKAGE.deb  defaults to the newest build/tova_*.deb (make package)
#   OUT_DIR      screenshots and logs, default build/package-check
# The bare Debian made by debootstrap is kept in TOVA_CHROOT_BASE (default
# /var/tmp/tova-bookworm) and copied afresh for every run. The mirrors are the machine's own apt
# sources (TOVA_MIRROR and TOVA_SECURITY_MIRROR, when set, take their place).
set -euo pipefail
cd "$(dirname "$0")/.."
[[ $(id -u) -eq 0 ]] || { echo "check-package.sh: needs root (debootstrap, chroot, mount)" >&2; exit 1; }
deb=${1:-$(ls -t build/tova_*.deb 2>/dev/null | head -n 1)}
[[ -n $deb && -f $deb ]] || { echo "check-package.sh: no package; run make package first" >&2; exit 1; }
deb=$(realpath "$deb")
out=$(realpath -m "${2:-build/package-check}")
base=${TOVA_CHROOT_BASE:-/var/tmp/tova-bookworm}

# The first URI of the machine's apt sources that serves the suite $1 (deb822 .sources files and
# one-line .list files).
apt_uri() {
  local suite=$1 file
  for file in /etc/apt/sources.list.d/*.sources; do
    [[ -f $file ]] && awk -v suite="$suite" '
      /^URIs:/ { uris = $2 } /^Suites:/ { for (i = 2; i <= NF; i++) if ($i == suite) found = 1 }
      /^$/ { if (found) { print uris; exit } found = 0 } END { if (found) print uris }' "$file"
  done
  for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [[ -f $file ]] && awk -v suite="$suite" '$1 == "deb" && $3 == suite { print $2 }' "$file"
  done
  return 0  # a missing file is no failure
}
mirror=${TOVA_MIRROR:-$(apt_uri bookworm | head -n 1)}
security=${TOVA_SECURITY_MIRROR:-$(apt_uri bookworm-security | head -n 1)}
[[ -n $mirror ]] || { echo "check-package.sh: no bookworm source in the apt sources; set TOVA_MIRROR" >&2; exit 1; }

scripts/install-deps.sh package-check
echo "== lintian"
lintian --fail-on error "$deb" ||
  { echo "check-package.sh: lintian found errors in $deb" >&2; exit 1; }
if [[ ! -f $base/etc/debian_version ]]; then
  echo "== debootstrap of bookworm into $base"
  rm -rf "$base"
  debootstrap --variant=minbase bookworm "$base" "$mirror" >"$base.log" 2>&1 ||
    { tail -n 20 "$base.log"; exit 1; }
fi

root=$(mktemp -d /var/tmp/tova-check.XXXXXX)
cleanup() {
  for mount in "$root/dev/shm" "$root/proc"; do
    mountpoint -q "$mount" && umount "$mount"
  done
  rm -rf --one-file-system "$root"
}
trap cleanup EXIT
cp -a "$base/." "$root/"
mount -t proc proc "$root/proc"
mount -t tmpfs tmpfs "$root/dev/shm"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cat >"$root/etc/apt/sources.list" <<EOF
deb $mirror bookworm main
deb $mirror bookworm-updates main
${security:+deb $security bookworm-security main}
EOF
cp "$deb" "$root/tmp/"
rm -rf "$out" && mkdir -p "$out"

cat >"$root/tmp/check.sh" <<'INSIDE'
#!/bin/bash
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive LC_ALL=C.UTF-8 HOME=/root
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

echo "== apt-get install of the package alone, with what it depends on and recommends"
apt-get update -qq
apt-get install -y /tmp/tova_*.deb >/tmp/out/install.log 2>&1 || { tail -n 30 /tmp/out/install.log; exit 1; }
grep 'newly installed' /tmp/out/install.log
dpkg-query -W -f='${Package} ${Version} ${Status}\n' tova qt6-qpa-plugins fonts-wqy-microhei xdg-utils
for program in /usr/lib/tova/tova /usr/bin/tova-export /usr/bin/tova-check /usr/bin/tova-exercise /usr/lib/*/qt6/plugins/platforms/libqxcb.so; do
  missing=$(ldd "$program" | grep 'not found' || true)
  [[ -z $missing ]] || fail "$program lacks libraries: $missing"
done
tova-export /usr/share/tova/Tova.ini /tmp/x.svg && grep -q '<svg' /tmp/x.svg && cp /tmp/x.svg /tmp/out/ ||
  fail "tova-export on the installed sample"
tova-export /usr/share/tova/Tova.ini /tmp/out/x.png || fail "tova-export to PNG"
tova-export --author 李明 /usr/share/tova/Tova.ini /tmp/out/x.pdf || fail "tova-export to PDF"
tova-check /usr/share/tova/Tova.ini /usr/share/tova/Tova.ini || fail "tova-check on the installed sample"
tova-exercise /usr/share/tova/Tova.ini --title Sample --aids check -o /tmp/out/exercise.KRT ||
  fail "tova-exercise on the installed sample"

echo "== a desktop's caches; removing and installing the package again updates them (dpkg triggers)"
apt_quiet() {  # apt-get install, its output in /tmp/out/$1.log
  local log=/tmp/out/$1.log; shift
  apt-get install -y -qq "$@" >"$log" 2>&1 || { tail -n 20 "$log"; exit 1; }
}
in_caches() {
  grep -qx 'application/x-tova-drawing:\*\.krt' /usr/share/mime/globs && \
    grep -qa 'tova' /usr/share/icons/hicolor/icon-theme.cache
}
apt_quiet caches --no-install-recommends shared-mime-info desktop-file-utils hicolor-icon-theme \
  gtk-update-icon-cache
apt-get remove -y -qq tova >/tmp/out/remove.log 2>&1
in_caches && fail "the MIME or icon cache still has tova after removing it"
apt_quiet reinstall /tmp/tova_*.deb
grep -h 'Processing triggers' /tmp/out/remove.log /tmp/out/reinstall.log | sort | uniq -c
in_caches || fail "the MIME database has no *.krt or the icon cache no tova"

echo "== the menu entry"
desktop=/usr/share/applications/tova.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate"
icon=$(sed -n 's/^Icon=//p' "$desktop")
ls /usr/share/icons/hicolor/*/apps/"$icon".* || fail "Icon=$icon is not installed"
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
echo "Exec=$exec_line"
grep -qx 'MimeType=application/x-tova-drawing;' "$desktop" || fail "the menu entry takes no *.KRT"
menu_line=$(sed 's/ *%[fFuUdDnNickvm]//g' <<<"$exec_line")  # the menu passes no file

echo "== the window from the menu entry, and on a drawing opened as a file manager opens it, under Xvfb"
apt_quiet tools --no-install-recommends xvfb xauth xdotool x11-utils imagemagick libglib2.0-bin
# Help opens its page with xdg-open; this one writes down what it was given.
mkdir -p /tmp/fake && printf '#!/bin/sh\necho "$@" >>/tmp/out/xdg-open.txt\n' >/tmp/fake/xdg-open
chmod +x /tmp/fake/xdg-open
mkdir -p /tmp/drawings && cp /usr/share/tova/Tova.ini /tmp/drawings/block.KRT
cat >/tmp/session.sh <<'SESSION'
#!/bin/bash
# Runs on the virtual display: starts the menu's command from the home folder, as a menu does,
# then opens a drawing with gio, as a file manager does, through the MIME type's default program.
set -u
cd "$HOME"
canvas() { import -window root -crop 449x433+0+17 "$1"; }
malvo() { xdotool search --onlyvisible --name '^Malvo$' >>/tmp/out/malvo.txt 2>/dev/null; }
PATH=/tmp/fake:$PATH QT_QPA_PLATFORM=xcb bash -c "exec $1" >/tmp/out/tova.log 2>&1 &
app=$!
sleep 3
import -window root /tmp/out/1-menu.png
canvas /tmp/out/1-canvas.png
malvo
xdotool search --onlyvisible --name 'Tova绘图系统' >/tmp/out/windows.txt || true
for window in $(cat /tmp/out/windows.txt); do xdotool getwindowname "$window"; done >/tmp/out/titles.txt
xprop -id "$(head -n 1 /tmp/out/windows.txt)" WM_CLASS >>/tmp/out/titles.txt 2>&1 || true
# There is no window manager to give the window the keyboard, so it is given it here; then
# the Help menu by its key and its second item, "Help ?".
xdotool windowfocus --sync "$(head -n 1 /tmp/out/windows.txt)"
xdotool key alt+h; sleep 0.6
xdotool key Down Return; sleep 1.5
kill "$app"; wait "$app" 2>/dev/null
# The drawings folder's Tova.ini changed, so that only the drawing opened can show the sample.
echo changed >"$HOME/Documents/Tova/Tova.ini"
PATH=/tmp/fake:$PATH QT_QPA_PLATFORM=xcb gio open /tmp/drawings/block.KRT >>/tmp/out/tova.log 2>&1
sleep 3
import -window root /tmp/out/2-opened.png
canvas /tmp/out/2-canvas.png
malvo
pkill -f /usr/lib/tova/tova
exit 0
SESSION
chmod +x /tmp/session.sh
cmp /usr/share/tova/Tova.ini "$HOME/Documents/Tova/Tova.ini" 2>/dev/null &&
  fail "the drawings folder is there before the first start"
xvfb-run -a -s '-screen 0 800x600x24' /tmp/session.sh "$menu_line"
[[ -s /tmp/out/windows.txt ]] || fail "no window named Tova绘图系统"
cat /tmp/out/titles.txt
[[ -s /tmp/out/malvo.txt ]] && fail "a message box came up (\"Three Is A Error! Retry!\"?)"
[[ -d $HOME/Documents/Tova ]] || fail "the first start from the menu made no drawings folder"
[[ $(compare -metric AE /tmp/out/1-canvas.png /tmp/out/2-canvas.png /dev/null 2>&1 || true) == 0 ]] ||
  fail "the drawing opened with gio does not show as the sample did at the first start"
[[ $(convert /tmp/out/2-canvas.png -fill black +opaque 'rgb(0,128,0)' -format '%[fx:mean>0]' info:) == 1 ]] ||
  fail "the canvas shows no drawing"
grep -qx 'file:///usr/lib/tova/Help.htm' /tmp/out/xdg-open.txt 2>/dev/null ||
  fail "Help ? did not open /usr/lib/tova/Help.htm ($(cat /tmp/out/xdg-open.txt 2>/dev/null))"
echo "Help ? opened: $(cat /tmp/out/xdg-open.txt)"

if [[ $failures -ne 0 ]]; then echo "$failures failed"; exit 1; fi
echo "package check: all passed"
INSIDE
chmod +x "$root/tmp/check.sh"
mkdir -p "$root/tmp/out"
echo "== checking $(basename "$deb") in a fresh bookworm ($root)"
status=0
chroot "$root" /tmp/check.sh || status=$?
cp -a "$root/tmp/out/." "$out/"
echo "screenshots and logs: $out"
exit $status
