#!/usr/bin/env bash
# Installs, from Debian's packages, whatever of the build and test tools is missing:
# `install-deps.sh run` only what building and running the editor needs.
# Runs as root, or through sudo.
set -euo pipefail

# What building and running the editor needs; `install-deps.sh run` stops there.
packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-qpa-plugins libgl-dev fonts-dejavu-core
    libsdl2-mixer-dev timgm6mb-soundfont
    libcurl4-openssl-dev libssl-dev qtkeychain-qt6-dev ca-certificates
    qt6-l10n-tools qt6-translations-l10n
)
# What the tests, the fuzzers, the Windows build and the benchmarks need as well.
if [ "${1:-all}" != run ]; then
    packages+=(
        clang-format libgtest-dev libgmock-dev libbenchmark-dev
        xvfb xauth xdotool
        desktop-file-utils appstream dpkg-dev file
        clang libclang-rt-14-dev
        g++-mingw-w64-x86-64-posix googletest wine64 nsis zip
        chromium python3
        qt6-tools-dev
        dovecot-imapd openssl dbus-daemon gnome-keyring libsecret-tools curl
        roundcube-core roundcube-sqlite3 lighttpd php-cgi python3-aiosmtpd
        chromium-driver python3-selenium
    )
fi

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
