#!/usr/bin/env bash
# Installs the Debian package into a fresh Debian system (a debootstrap chroot, made once and kept
# in $ROOT) that has none of the build's packages, then runs both programs there.
#   scripts/check_package.sh build/brisklane_<version>_<arch>.deb [ROOT]
set -euo pipefail
deb=$(realpath "$1")
root=${2:-/tmp/brisklane-clean-root}
[ "$(id -u)" -eq 0 ] || { echo "run as root (debootstrap and chroot)"; exit 2; }
if [ ! -x "$root/usr/bin/apt-get" ]; then
  command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap
  debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian
fi
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/"
mount -t proc proc "$root/proc"
trap 'umount "$root/proc"' EXIT
in_root() { chroot "$root" env LC_ALL=C.UTF-8 HOME=/root "$@"; }
echo "== what the clean system has of the build's tools"
in_root sh -c 'for p in cmake g++ qt6-base-dev; do dpkg-query -W -f="\${Package} \${Status}\n" $p 2>/dev/null || echo "$p: not installed"; done'
in_root apt-get update -qq
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "/tmp/$(basename "$deb")" >/dev/null
echo "== installed"
in_root dpkg -s brisklane | grep -E '^(Package|Version|Status):'
in_root brisklane --version
in_root brisklane-calc --version
in_root brisklane-calc mortgage --principal 100000 --rate 10.125 --term 25 --format json | grep -m1 '"payment"'
in_root brisklane-calc valuedb /usr/share/brisklane/help/Sample.Zrk ratios | grep -m1 records
in_root ls /usr/share/man/man1/brisklane-calc.1.gz /usr/share/man/man1/brisklane.1.gz /usr/share/doc/brisklane/copyright /usr/share/doc/brisklane/changelog.gz
in_root env QT_QPA_PLATFORM=offscreen brisklane --exit-when-shown && echo "brisklane: the main menu was drawn"
# A database opens in the program from a file manager: its type by name, and the program as that
# type's default. xdg-mime with no desktop running reads the MIME database through mimetype(1).
echo "== a value database opens by its MIME type"
if in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
     xdg-utils libfile-mimeinfo-perl shared-mime-info desktop-file-utils >/dev/null 2>&1; then
  in_root update-mime-database /usr/share/mime
  in_root update-desktop-database /usr/share/applications
  type=$(in_root xdg-mime query filetype /usr/share/brisklane/help/Sample.Zrk)
  [ "$type" = application/x-brisklane-database ] || { echo "Sample.Zrk is of type '$type'"; exit 1; }
  app=$(in_root xdg-mime query default "$type")
  [ "$app" = org.brisklane.Brisklane.desktop ] || { echo "$type opens with '$app'"; exit 1; }
  echo "Sample.Zrk: $type, opened by $app"
else
  echo "SKIPPED: xdg-utils could not be installed in the clean system"
fi
