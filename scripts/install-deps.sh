#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config ccache
    qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    libfreetype-dev libfontconfig-dev libpng-dev libcli11-dev nlohmann-json3-dev
    fonts-dejavu-core xfonts-base xfonts-utils console-setup-linux fonts-terminus
    xvfb xauth
    locales libc-l10n
    clang clang-format libclang-rt-14-dev valgrind
    dpkg-dev file lintian desktop-file-utils appstream man-db bash-completion librsvg2-bin
    # The real fonts devtools/models draws the model files from and measures recognition on.
    xfonts-base xfonts-mplus xfonts-cronyx-75dpi xfonts-cronyx-misc xfonts-terminus
    console-setup-linux fonts-dejavu-core fonts-dejavu-extra fonts-liberation fonts-freefont-ttf
    fonts-spleen fonts-noto-mono
    # AVR machine code: the noise of the font finder's test images, and a small firmware compiled
    # with a font of ours that the finder must find where the linker put it.
    gcc-avr avr-libc binutils-avr
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo)
fi

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    "${as_root[@]}" apt-get update -q
    "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The system's reasons for a failed file operation are shown in Russian like the rest of the
# editor: glibc's Russian messages (libc-l10n) are used only through a generated Russian locale.
if ! locale -a 2>/dev/null | grep -qix 'ru_RU\.utf-\?8'; then
    echo "Generating the locale ru_RU.UTF-8"
    "${as_root[@]}" sed -i 's/^# *\(ru_RU\.UTF-8 UTF-8\)$/\1/' /etc/locale.gen
    grep -qx 'ru_RU.UTF-8 UTF-8' /etc/locale.gen ||
        echo 'ru_RU.UTF-8 UTF-8' | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
    "${as_root[@]}" locale-gen
fi
