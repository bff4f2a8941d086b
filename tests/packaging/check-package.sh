#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a staging folder and checks it as a desktop and a
# user would meet it: the desktop entry, the software centre metadata, the
# manual page, the installed program run from there, and the Debian package.
# Usage: check-package.sh BUILD-FOLDER APP-ID
set -euo pipefail
build=$1
app_id=$2
work=$(mktemp -d)
trap 'kill "${pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

stage=$work/stage/usr
cmake --install "$build" --prefix "$stage" >/dev/null
desktop-file-validate "$stage/share/applications/$app_id.desktop"
grep -qxF "Exec=$stage/bin/tikkro" "$stage/share/dbus-1/services/$app_id.service" ||
    fail "the D-Bus service does not start the installed program"
appstreamcli validate --no-net "$stage/share/metainfo/$app_id.metainfo.xml"
warnings=$(zcat "$stage/share/man/man1/tikkro.1.gz" | groff -man -ww -z -Tutf8 2>&1)
[ -z "$warnings" ] || fail "manual page: $warnings"

# A user of the installed program keeps the database in their own data
# folder; nothing is written beside the program.
export HOME=$work/home XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$HOME" "$XDG_RUNTIME_DIR"
version=$("$stage/bin/tikkro" --version)
expected="Tikkro 1.0.32
Database: $XDG_DATA_HOME/Tikkro/tikkro.mdb"
[ "$version" = "$expected" ] || fail "--version said: $version"
help=$(LANGUAGE=de "$stage/bin/tikkro" --help)
grep -qF "Zeigt die Versionsinformationen an" <<<"$help" ||
    fail "the installed program does not find its German catalogue: $help"
QT_QPA_PLATFORM=offscreen "$stage/bin/tikkro" &
pid=$!
for _ in $(seq 200); do
    [ -e "$XDG_DATA_HOME/Tikkro/tikkro.mdb" ] && break
    sleep 0.05
done
[ -e "$XDG_DATA_HOME/Tikkro/tikkro.mdb" ] || fail "no database in the user's data folder"
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "SIGTERM ended the installed program with status $status"
[ "$(ls "$stage/bin")" = tikkro ] || fail "written beside the program: $(ls "$stage/bin")"

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/deb" >/dev/null
deb=$(echo "$work"/deb/*.deb)
listing=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/tikkro ./usr/lib/tikkro/tikkro-printing.so ./usr/lib/tikkro/tikkro-sound.so \
    ./usr/share/tikkro/sounds/default.wav ./usr/share/tikkro/sounds/notify.wav \
    ./usr/share/tikkro/sounds/ringin.wav \
    ./usr/share/tikkro/translations/tikkro_de.qm ./usr/share/tikkro/translations/tikkro_fr.qm \
    "./usr/share/applications/$app_id.desktop" "./usr/share/metainfo/$app_id.metainfo.xml" \
    "./usr/share/dbus-1/services/$app_id.service" \
    "./usr/share/dbus-1/interfaces/$app_id.Stopwatch.xml" \
    "./usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
    "./usr/share/icons/hicolor/48x48/apps/$app_id.png" \
    ./usr/share/man/man1/tikkro.1.gz ./usr/share/doc/tikkro/copyright; do
    grep -qxF "$file" <<<"$listing" || fail "the package lacks $file"
done
depends=$(dpkg-deb -f "$deb" Depends)
for package in libc6 libqt6core6 libqt6widgets6 libqt6sql6-sqlite; do
    grep -q "\b$package\b" <<<"$depends" || fail "the package does not depend on $package: $depends"
done
echo "ok: $(basename "$deb"), depends on: $depends"
