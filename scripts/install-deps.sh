#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building, running and testing Tikkro needs on Debian 12.
set -euo pipefail
packages=(
    cmake g++ make clang-format clang-tidy pkg-config
    qt6-base-dev libqt6sql6-sqlite qt6-multimedia-dev qt6-svg-dev libgl-dev qt6-wayland
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libcups2-dev libbenchmark-dev
    fonts-dejavu-core poppler-utils python3
    xvfb xauth libxcb1-dev openbox xdotool x11-utils
    weston xwayland
    desktop-file-utils appstream dpkg-dev file groff-base
    dbus at-spi2-core
    sqlite3
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
