#!/usr/bin/env bash
# One entry point for building, running, testing and benchmarking on a
# Debian 12 / Ubuntu machine. Installs the Debian packages it needs first.
#
#   ./dev.sh run           build and start the program (with no display: on a
#                          virtual one, saving a screenshot of the open panel)
#   ./dev.sh test          build and run every test suite
#   ./dev.sh bench [args]  build optimised and print the benchmark tables (the
#                          engine's, then the program's on a virtual display)
#   ./dev.sh demo [args]   build and run the engine's demo
#   ./dev.sh fuzz [seconds] build the libFuzzer targets with clang and run
#                          each on its corpus for that long (default 60)
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"

# Every Debian package the project needs, in one place.
packages=(
    cmake ninja-build g++ make pkg-config
    libicu-dev nlohmann-json3-dev
    fonts-noto-color-emoji
    qt6-base-dev qt6-declarative-dev qt6-tools-dev qt6-l10n-tools qt6-svg-dev
    qml6-module-qtquick qml6-module-qtquick-controls qml6-module-qtquick-layouts
    qml6-module-qtquick-window qml6-module-qtquick-templates qml6-module-qtqml-workerscript
    libgtest-dev qml6-module-qttest
)
# The end-to-end tests and the run without a display: a virtual X desktop
# with a tray, driven from outside.
e2e_packages=(
    python3 xvfb xdotool x11-utils imagemagick trayer openbox
    dbus dbus-x11 at-spi2-core python3-pyatspi gir1.2-atspi-2.0
)
bench_packages=(qqwing)
# libFuzzer and the sanitizer runtimes come with Debian's clang.
fuzz_packages=(clang libclang-rt-14-dev)

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
        if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
            install_packages "${e2e_packages[@]}"
            exec scripts/headless-run.sh ./build/dev/app/pondrel-sudoku build/pondrel-screenshot.png
        fi
        exec ./build/dev/app/pondrel-sudoku
        ;;
    demo)
        install_packages "${packages[@]}"
        build dev
        exec ./build/dev/tools/pondrel-engine-demo "$@"
        ;;
    test)
        install_packages "${packages[@]}" "${e2e_packages[@]}"
        build dev
        ctest --preset dev "$@"
        ;;
    bench)
        install_packages "${packages[@]}" "${bench_packages[@]}" "${e2e_packages[@]}"
        build release
        ./build/release/bench/pondrel-bench "$@"
        # Then the program itself, timed from outside on a virtual desktop of
        # its own; it shares --quick, and has nothing to add to --help.
        app_args=()
        for arg in "$@"; do
            case "$arg" in
                --quick) app_args+=(--quick) ;;
                -h | --help) exit 0 ;;
            esac
        done
        exec /usr/bin/python3 -B bench/app_perf.py ./build/release/app/pondrel-sudoku "${app_args[@]}"
        ;;
    fuzz)
        seconds=${1:-60}
        if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
            echo "usage: $0 fuzz [seconds]" >&2
            exit 2
        fi
        install_packages "${packages[@]}" "${fuzz_packages[@]}"
        build fuzz
        fuzz_failed=0
        summary=()
        for source in fuzz/fuzz_*.cpp; do
            target=$(basename "$source" .cpp)
            # Inputs found on the way go to the build folder, so the
            # committed corpus stays the small hand-written one.
            found_dir=build/fuzz/corpus/$target
            findings_dir=build/fuzz/findings
            mkdir -p "$found_dir" "$findings_dir"
            log=build/fuzz/$target.log
            echo "== $target: ${seconds} s"
            status=0
            # A hang of ten seconds on one input counts as a finding too.
            UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
                "./build/fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=10 \
                -print_final_stats=1 -artifact_prefix="$findings_dir/$target-" \
                "$found_dir" "fuzz/corpus/$target" >"$log" 2>&1 || status=$?
            runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
            if [ "$status" -eq 0 ]; then
                result="nothing found"
            else
                fuzz_failed=1
                artefact=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$log" | tail -n 1)
                result="FOUND (exit $status): ${artefact:-see $log}"
                tail -n 40 "$log"
            fi
            summary+=("$(printf '%-24s %12s executions  %s' "$target" "${runs:-?}" "$result")")
        done
        printf '%s\n' "${summary[@]}"
        exit "$fuzz_failed"
        ;;
    *)
        echo "usage: $0 run | test [ctest args] | bench [args] | demo [args] | fuzz [seconds]" >&2
        exit 2
        ;;
esac
