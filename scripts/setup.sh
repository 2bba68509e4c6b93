#!/usr/bin/env bash
# Shared set-up for ./play and ./test: installs the Debian packages the game needs to build and
# run (only the missing ones), then configures and builds the Release tree with its data.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    libsdl2-dev libsdl2-mixer-dev libpng-dev zlib1g-dev libjpeg-dev libfreetype-dev
    libogg-dev libvorbis-dev
    fonts-comfortaa
)
if [[ "${1:-}" == "--test" ]]; then
    packages+=(libgtest-dev libgmock-dev xvfb xauth xdotool libgl1-mesa-dri clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
if ((${#missing[@]})); then
    echo "Installing missing packages: ${missing[*]}"
    sudo=()
    [[ $(id -u) -eq 0 ]] || sudo=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -q
    "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSARO_TESTS=OFF
cmake --build "$root/build/release"
