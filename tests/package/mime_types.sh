#!/bin/sh
# Installs the program's MIME package into a scratch data folder and names the type each file name
# gets, matching the globs as the desktop does (a lower-case glob matches a name in any case).
set -e
d=$(mktemp -d)
trap 'rm -rf "$d"' EXIT
mkdir -p "$d/mime/packages"
cp "$1" "$d/mime/packages/"
update-mime-database "$d/mime" 2>/dev/null
for name in a.zrk B.ZRK c.umd d.ULD zrkuse55.hlp zrkdat55.grs other.hlp; do
    lower=$(printf '%s' "$name" | tr 'A-Z' 'a-z')
    type=none
    while IFS=: read -r mime glob; do
        case $mime in \#*) continue ;; esac
        # shellcheck disable=SC2254
        case $lower in $glob) type=$mime; break ;; esac
    done < "$d/mime/globs"
    echo "$name $type"
done
