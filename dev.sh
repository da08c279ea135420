#!/usr/bin/env bash
# One entry point for building, running, testing and benchmarking on a
# Debian 12 / Ubuntu machine. Installs the Debian packages it needs first.
#
#   ./dev.sh run [args]    build and start the program
#   ./dev.sh test          build and run every test suite
#   ./dev.sh bench [args]  build optimised and print the benchmark table
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"

# Every Debian package the project needs, in one place.
packages=(
    cmake ninja-build g++ make pkg-config
    libicu-dev nlohmann-json3-dev
    qt6-base-dev qt6-declarative-dev qt6-tools-dev qt6-l10n-tools qt6-svg-dev
    qml6-module-qtquick qml6-module-qtquick-controls qml6-module-qtquick-layouts
    qml6-module-qtquick-window qml6-module-qtquick-templates qml6-module-qtqml-workerscript
    libgtest-dev qml6-module-qttest
)
bench_packages=(qqwing)

install_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return
    fi
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    local preset=$1
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
}

command=${1:-}
shift || true
case "$command" in
    run)
        install_packages "${packages[@]}"
        build dev
        exec ./build/dev/tools/pondrel-engine-demo "$@"
        ;;
    test)
        install_packages "${packages[@]}"
        build dev
        ctest --preset dev "$@"
        ;;
    bench)
        install_packages "${packages[@]}" "${bench_packages[@]}"
        build release
        exec ./build/release/bench/pondrel-bench "$@"
        ;;
    *)
        echo "usage: $0 run [args] | test [ctest args] | bench [args]" >&2
        exit 2
        ;;
esac
