#!/usr/bin/env bash
# Installs what Vantor needs to build, run and test, from Debian's packages.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool x11-utils libxtst-dev imagemagick poppler-utils
    clang-format fonts-dejavu-core fonts-dejavu-extra
    clang libclang-rt-14-dev
    dpkg-dev lintian desktop-file-utils appstream
    locales
    libhamlib-utils cwdaemon hamradio-files qt6-multimedia-dev
    pulseaudio
)

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ "${#missing[@]}" -gt 0 ]; then
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The end-to-end tests start the program under British and American English: the
# locales are generated here, as root or through sudo alike.
for wanted in en_GB.UTF-8 en_US.UTF-8; do
    if ! locale -a 2>/dev/null | grep -qix "${wanted%%.*}.utf8"; then
        if grep -q "^# *${wanted} UTF-8" /etc/locale.gen; then
            $sudo sed -i "s/^# *${wanted} UTF-8/${wanted} UTF-8/" /etc/locale.gen
        elif ! grep -q "^${wanted} UTF-8" /etc/locale.gen; then
            echo "${wanted} UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
        fi
        regenerate=1
    fi
done
if [ -n "${regenerate:-}" ]; then
    $sudo locale-gen
fi
