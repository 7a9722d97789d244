#!/usr/bin/env bash
# Installs what is missing (Debian 12 packages), builds Dawnrule, then either starts
# the program (./build.sh run), runs every test (./build.sh test), or installs it for
# the current user (./build.sh install; ./build.sh uninstall [--purge] removes it).
# ./build.sh sanitize builds everything again in build-sanitize with AddressSanitizer
# and UndefinedBehaviorSanitizer and runs every test there: any report fails the run.
#
# DAWNRULE_BUILD_DIR names another build folder that is already configured (the install
# test uses its own); it is built as it is, not configured again.
set -euo pipefail
cd "$(dirname "$0")"

packages=(g++ cmake ninja-build qt6-base-dev libgtest-dev libbenchmark-dev libpugixml-dev libcsv-dev libical-dev
          python3 fonts-liberation2 desktop-file-utils tzdata)
build_dir=${DAWNRULE_BUILD_DIR:-build}

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

# Builds the named targets, or everything when none is named.
build() {
    if [ -z "${DAWNRULE_BUILD_DIR:-}" ] || [ ! -f "$build_dir/CMakeCache.txt" ]; then
        cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    fi
    local targets=()
    [ $# -gt 0 ] && targets=(--target "$@")
    cmake --build "$build_dir" "${targets[@]}" --parallel
}

# Everything built with AddressSanitizer (and LeakSanitizer) and UndefinedBehaviorSanitizer,
# each test stopping at its first report, then every test run. Qt itself is not
# instrumented, and nothing of it needs suppressing today.
sanitize() {
    local dir=build-sanitize
    # GCC 12 sees "maybe uninitialized" values inside libstdc++'s std::regex when it
    # instruments at -O1; the release build keeps that warning.
    local flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -g -O1"
    flags+=" -Wno-maybe-uninitialized"
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="$flags" \
            -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
    fi
    cmake --build "$dir" --parallel
    export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    (cd "$dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel 2)
}

source tools/install.sh

case "${1:-}" in
    run)
        install_missing
        build dawnrule dawnrule_data  # the program and its files only: no tests to wait for
        exec "$build_dir/bin/dawnrule"
        ;;
    test)
        install_missing
        build
        cd "$build_dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel 2
        ;;
    sanitize)
        install_missing
        sanitize
        ;;
    install)
        install_missing
        build
        install_for_user "$build_dir"
        ;;
    uninstall)
        case "${2:-}" in
            "") uninstall_for_user keep ;;
            --purge) uninstall_for_user purge ;;
            *) echo "usage: $0 uninstall [--purge]" >&2; exit 2 ;;
        esac
        ;;
    *)
        echo "usage: $0 run|test|sanitize|install|uninstall [--purge]" >&2
        exit 2
        ;;
esac
