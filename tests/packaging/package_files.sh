#!/usr/bin/env bash
# The files the package adds for the desktop, as the build installs them under /usr: valid by
# the freedesktop and AppStream validators, one desktop id throughout, every icon size drawn at
# its size, the commands on the path leading to the program's own folder, and the documents
# where Debian expects them.
set -u
BUILD=$1
. "$(dirname "$0")/../e2e/e2e-lib.sh"
need desktop-file-validate
need appstreamcli
need file

ID=org.example.quillet
ROOT=$(mktemp -d)
trap 'rm -rf "$ROOT"' EXIT
cmake --install "$BUILD" --prefix "$ROOT/usr" >"$ROOT/install.log" 2>&1 ||
    { cat "$ROOT/install.log" >&2; fail "the build does not install"; }
USR=$ROOT/usr

DESKTOP=$USR/share/applications/$ID.desktop
METAINFO=$USR/share/metainfo/$ID.metainfo.xml
desktop-file-validate "$DESKTOP" || fail "desktop-file-validate refuses $ID.desktop"
appstreamcli validate --no-net "$METAINFO" || fail "appstreamcli refuses $ID.metainfo.xml"
# The catalogue entry together with its launcher and icons, as a software centre reads them.
appstreamcli validate-tree --no-net "$ROOT" || fail "appstreamcli refuses the installed tree"

value() { sed -n "s/^$1=//p" "$DESKTOP"; }
[ "$(value Exec)" = quillet ] || fail "the launcher runs '$(value Exec)'"
[ "$(value Icon)" = $ID ] || fail "the launcher's icon is '$(value Icon)'"
# The class Qt gives the program's windows: its application name.
[ "$(value StartupWMClass)" = quillet ] || fail "StartupWMClass is '$(value StartupWMClass)'"
grep -q "<id>$ID</id>" "$METAINFO" || fail "the catalogue entry has another id"
grep -q "<launchable type=\"desktop-id\">$ID.desktop</launchable>" "$METAINFO" ||
    fail "the catalogue entry launches another desktop file"

for size in 16 22 24 32 48 64 128 256; do
    icon=$USR/share/icons/hicolor/${size}x$size/apps/$ID.png
    file -b "$icon" | grep -q "^PNG image data, $size x $size, 8-bit/color RGBA" ||
        fail "the $size pixel icon is $(file -b "$icon")"
done
grep -q "<svg" "$USR/share/icons/hicolor/scalable/apps/$ID.svg" || fail "no scalable icon"

for program in quillet porttool; do
    [ "$(readlink "$USR/bin/$program")" = "../lib/quillet/$program" ] ||
        fail "/usr/bin/$program is not a link to ../lib/quillet/$program"
    [ -x "$USR/lib/quillet/$program" ] || fail "/usr/lib/quillet/$program is not installed"
done
for shipped in quotes.txt welcome.rtf readme.rtf history.txt help/index.html skins/gold.jss \
    e1.mid quillet.png; do
    [ -s "$USR/lib/quillet/$shipped" ] || fail "/usr/lib/quillet/$shipped is missing"
done

DOC=$USR/share/doc/quillet
gzip -t "$DOC/changelog.Debian.gz" || fail "changelog.Debian.gz is no gzip file"
# Compressed with -n: no time stamp, so the same changelog always gives the same bytes.
[ "$(od -An -tu4 -j4 -N4 "$DOC/changelog.Debian.gz" | tr -d ' ')" = 0 ] ||
    fail "changelog.Debian.gz carries a time stamp"
zcat "$DOC/changelog.Debian.gz" | head -1 | grep -qx 'quillet (2.0.23) unstable; urgency=medium' ||
    fail "the changelog does not open with this version: $(zcat "$DOC/changelog.Debian.gz" | head -1)"
head -1 "$DOC/copyright" |
    grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "the copyright file is not in the machine-readable format"
echo "PASSED: launcher, catalogue entry, icons, commands and documents installed and valid"
