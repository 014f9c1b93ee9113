#!/usr/bin/env bash
# Installs, from Debian's packages, whatever of the build and test tools is missing.
# Runs as root, or through sudo.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config clang-format
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-qpa-plugins libgl-dev fonts-dejavu-core
    libsdl2-mixer-dev timgm6mb-soundfont
    xvfb xauth xdotool
    desktop-file-utils appstream dpkg-dev file
    clang libclang-rt-14-dev
    g++-mingw-w64-x86-64-posix googletest wine64
    chromium python3
    qt6-l10n-tools qt6-tools-dev
    libcurl4-openssl-dev libssl-dev qtkeychain-qt6-dev
    dovecot-imapd openssl dbus-daemon gnome-keyring curl
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
