#!/usr/bin/env bash
# Installs what is missing (Debian 12 packages), builds Dawnrule, then either starts
# the program (./build.sh run) or runs every test (./build.sh test).
set -euo pipefail
cd "$(dirname "$0")"

packages=(g++ cmake ninja-build qt6-base-dev libgtest-dev libbenchmark-dev python3 fonts-liberation2)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build build --parallel
}

case "${1:-}" in
    run)
        install_missing
        build
        exec ./build/bin/dawnrule
        ;;
    test)
        install_missing
        build
        cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel 2
        ;;
    *)
        echo "usage: $0 run|test" >&2
        exit 2
        ;;
esac
