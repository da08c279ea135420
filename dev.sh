#!/usr/bin/env bash
# One entry point for building, running, testing and benchmarking on a
# Debian 12 / Ubuntu machine. Installs the Debian packages it needs first.
#
#   ./dev.sh deps          install the Debian packages that building and
#                          running need, and nothing else
#   ./dev.sh run           build the program alone and start it (with no
#                          display: on a virtual one, saving a screenshot of
#                          the open panel)
#   ./dev.sh test [--quick] [ctest args]
#                          build and run every test suite: the normal build,
#                          then under AddressSanitizer + UBSan, the supply's
#                          threads under ThreadSanitizer, and each fuzz
#                          target for PONDREL_FUZZ_SECONDS (default 60).
#                          --quick (or PONDREL_TEST_QUICK=1) runs only the
#                          normal build's tests, on the X desktops alone (the
#                          Wayland desktops' tests skip). ctest args go to
#                          every suite.
#   ./dev.sh bench [args]  build optimised and print the benchmark tables (the
#                          engine's, then the program's on a virtual display)
#   ./dev.sh demo [args]   build and run the engine's demo
#   ./dev.sh fuzz [seconds] build the libFuzzer targets with clang and run
#                          each on its corpus for that long (default 60)
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"

# Every Debian package the project needs, in one place; each command
# installs only the groups it uses.
#
# Building and running. GoogleTest and Python are here because configuring
# the "dev" tree asks for them, even when only the program is built.
packages=(
    cmake ninja-build g++ make pkg-config python3
    libicu-dev nlohmann-json3-dev libxcb1-dev libxcb-xinput-dev
    fonts-noto-color-emoji
    # Japanese, Korean and Chinese glyphs; the no-cut-off test measures the
    # texts in these fonts.
    fonts-noto-cjk
    # Devanagari (Hindi), Bengali and Thai glyphs, and Arabic, Persian and
    # Hebrew ones (Noto), measured by the same test.
    fonts-lohit-deva fonts-lohit-beng-bengali fonts-thai-tlwg fonts-noto-core
    qt6-base-dev qt6-declarative-dev qt6-tools-dev qt6-l10n-tools qt6-svg-dev
    qml6-module-qtquick qml6-module-qtquick-controls qml6-module-qtquick-layouts
    qml6-module-qtquick-window qml6-module-qtquick-templates qml6-module-qtqml-workerscript
    libgtest-dev
)
# The run without a display, and the program's benchmark: a virtual X
# desktop with a tray, and the tools that click the icon and take pictures.
headless_packages=(xvfb xdotool x11-utils imagemagick trayer openbox dbus dbus-x11)
# The normal build's tests (./dev.sh test --quick): the above, the QML
# tests' module, accessibility, the clipboard, and xfce4-panel (the X tray
# with a StatusNotifier host) for the end-to-end tests driven from outside.
e2e_packages=(
    "${headless_packages[@]}"
    qml6-module-qttest xclip at-spi2-core python3-pyatspi gir1.2-atspi-2.0 librsvg2-bin
    libglib2.0-bin xfce4-panel python3-gi
    # The screen reader whose speech the screen-reader test checks.
    orca
)
# The Wayland desktops the app is tried on in the full test run: sway with
# waybar, GNOME Shell with the AppIndicator extension, KDE Plasma. Their
# tests skip where these are missing.
desktop_packages=(
    sway waybar grim xwayland wtype
    gnome-shell gnome-shell-extension-appindicator dconf-cli dconf-service fonts-cantarell
    adwaita-icon-theme gir1.2-gtk-4.0
    kwin-wayland plasma-workspace plasma-desktop kded5 breeze plasma-wayland-protocols
    libwayland-dev libwayland-bin python3-dbus qtwayland5 kwayland-integration
    plasma-workspace-wayland
)
# The install check: validators for the desktop entry and the AppStream
# entry, and the Debian package tools cpack uses.
install_check_packages=(desktop-file-utils appstream dpkg-dev)
bench_packages=(qqwing)
# libFuzzer and the sanitizer runtimes come with Debian's clang; the format
# check with its clang-format.
fuzz_packages=(clang libclang-rt-14-dev clang-format)

# Every tracked C++ file as .clang-format says. The QML is left to review:
# Qt 6.4's qmlformat joins every wrapped binding into one line, with no
# column limit, and drops empty comment lines, so its output cannot be the
# rule.
check_format() {
    git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
}

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

# Configures and builds a preset. A build preset may build in another's
# folder ("fuzz" in "asan"): the configure preset then comes second. The
# rest goes to the build (--target <name> builds that alone).
build() {
    local preset=$1 configure=${2:-$1}
    shift $(($# < 2 ? $# : 2))
    cmake --preset "$configure" >/dev/null
    cmake --build --preset "$preset" "$@"
}

# A whole, positive number of seconds, or exit with a usage message.
require_seconds() {
    if ! [[ "$1" =~ ^[1-9][0-9]*$ ]]; then
        echo "$2" >&2
        exit 2
    fi
}

# Options for every binary built by the "asan" preset, the fuzzers included;
# ctest gets the same ones from the "asan" test preset. Leaks count as
# findings; the suppressions cover libraries outside this project only.
export_asan_options() {
    export ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1:allocator_may_return_null=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    LSAN_OPTIONS=suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0
    export LSAN_OPTIONS
}

# Runs every fuzz target for $1 seconds, $2 at a time, and prints one line
# per target to the file $3. Returns non-zero when any of them found
# something (a crash, a sanitizer report, a leak or a hang).
run_fuzzers() {
    local seconds=$1 jobs=$2 summary_file=$3
    local -a targets=() pids=()
    local source target
    for source in fuzz/fuzz_*.cpp; do
        targets+=("$(basename "$source" .cpp)")
    done
    export_asan_options
    mkdir -p build/asan/findings
    local i=0 failed=0
    : >"$summary_file"
    while [ "$i" -lt "${#targets[@]}" ]; do
        pids=()
        local batch=("${targets[@]:i:jobs}")
        for target in "${batch[@]}"; do
            # Inputs found on the way go to the build folder, so the
            # committed corpus stays the small hand-written one. A hang of
            # ten seconds on one input counts as a finding too.
            mkdir -p "build/asan/corpus/$target"
            echo "== $target: ${seconds} s"
            "./build/asan/fuzz/$target" -max_total_time="$seconds" -timeout=10 \
                -print_final_stats=1 -artifact_prefix="build/asan/findings/$target-" \
                "build/asan/corpus/$target" "fuzz/corpus/$target" \
                >"build/asan/$target.log" 2>&1 &
            pids+=($!)
        done
        local n
        for n in "${!batch[@]}"; do
            target=${batch[$n]}
            local status=0
            wait "${pids[$n]}" || status=$?
            local log=build/asan/$target.log
            local runs
            runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
            local result
            if [ "$status" -eq 0 ]; then
                result=passed
            else
                failed=1
                local artefact
                artefact=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$log" | tail -n 1)
                result="FAILED (exit $status): ${artefact:-see $log}"
                tail -n 40 "$log"
            fi
            printf '%-28s %-8s %6s s   %s executions\n' "fuzz $target" "${result%% *}" "$seconds" "${runs:-?}" >>"$summary_file"
            if [ "$status" -ne 0 ]; then
                echo "   $result" >>"$summary_file"
            fi
        done
        i=$((i + jobs))
    done
    return "$failed"
}

# The full test run's bookkeeping: every step runs even when an earlier one
# failed, so that one run shows every finding; the summary at the end says
# which failed, and is what survives when only the end of a long log is
# kept.
summary=()
failed=0
failed_output=build/failed-tests.txt

# Runs "$@" as the step called $1 and adds a line to the summary.
step() {
    local name=$1
    shift
    local start=$SECONDS status=0
    echo "==== $name"
    "$@" || status=$?
    local result=passed
    if [ "$status" -ne 0 ]; then
        result="FAILED"
        failed=1
    fi
    summary+=("$(printf '%-28s %-8s %6s s' "$name" "$result" "$((SECONDS - start))")")
    return "$status"
}

# Runs a ctest suite in build/$2 as the step $1 (the rest goes to ctest),
# then lists its failed tests under its summary line and keeps the last
# lines each printed for the end of the log (ctest's own log of them is
# overwritten by the next suite in the same folder).
suite() {
    local name=$1 dir=$2
    shift 2
    local failures=build/$dir/Testing/Temporary/LastTestsFailed.log
    rm -f "$failures"
    step "$name" ctest "$@" || true
    if [ -s "$failures" ]; then
        local line
        while IFS= read -r line; do
            summary+=("  failed: ${line#*:}")
            echo "---- $name: ${line#*:}, last lines" >>"$failed_output"
            awk -v test="${line#*:}" '
                /^[0-9]+\/[0-9]+ Test: / && substr($0, index($0, "Test: ") + 6) == test { inside = 1; next }
                inside && /^<end of output>$/ { exit }
                inside && !/^(Command|Directory|Output):|start time:|^-+$/ { print }
            ' "build/$dir/Testing/Temporary/LastTest.log" | tail -n 25 >>"$failed_output"
        done <"$failures"
        rm -f "$failures"
    fi
}

# Every suite of the project: the normal build's, AddressSanitizer + UBSan
# (with the fuzz targets), ThreadSanitizer; "$@" goes to every ctest.
run_all_tests() {
    local fuzz_seconds=$1
    shift
    # A filter given on the command line may match nothing in one of the
    # suites (the end-to-end tests, say); that is no failure.
    local no_tests=()
    if [ $# -gt 0 ]; then
        no_tests=(--no-tests=ignore)
    fi
    mkdir -p build
    : >"$failed_output"
    step "format (clang-format)" check_format || true
    if step "build dev" build dev; then
        suite "tests dev" dev --preset dev "$@"
    fi
    # One clang build serves the AddressSanitizer + UBSan suite and the
    # fuzz targets: everything is compiled with libFuzzer's coverage.
    if step "build asan+ubsan+fuzz" build asan; then
        # Two tests at a time, one per core ("asan"), except the
        # end-to-end ones: they wait for windows with timeouts, so they
        # run alone afterwards ("asan-e2e").
        suite "tests asan+ubsan" asan --preset asan "${no_tests[@]}" "$@"
        suite "tests asan+ubsan (e2e)" asan --preset asan-e2e "${no_tests[@]}" "$@"
        local fuzz_summary=build/asan/fuzz-summary.txt line
        # Two at a time: one per core.
        step "fuzz (two at once)" run_fuzzers "$fuzz_seconds" 2 "$fuzz_summary" || true
        while IFS= read -r line; do
            summary+=("  $line")
        done <"$fuzz_summary"
    fi
    if step "build tsan" build tsan; then
        suite "tests tsan (engine, supply)" tsan --preset tsan "${no_tests[@]}" "$@"
    fi
    echo
    cat "$failed_output"
    printf '%-28s %-8s %8s\n' "step" "result" "time"
    printf '%s\n' "${summary[@]}"
    printf '%-28s %-8s %6s s\n' "total" "$([ "$failed" -eq 0 ] && echo passed || echo FAILED)" "$SECONDS"
}

command=${1:-}
shift || true
case "$command" in
    deps)
        install_packages "${packages[@]}"
        ;;
    run)
        # The program and what it loads (its QML module and translations are
        # built into it), not the tests and benchmarks of the tree.
        if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
            install_packages "${packages[@]}" "${headless_packages[@]}"
        else
            install_packages "${packages[@]}"
        fi
        build dev dev --target pondrel-sudoku
        if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
            exec scripts/headless-run.sh ./build/dev/app/pondrel-sudoku build/pondrel-screenshot.png
        fi
        exec ./build/dev/app/pondrel-sudoku
        ;;
    demo)
        install_packages "${packages[@]}"
        build dev dev --target pondrel-engine-demo
        exec ./build/dev/tools/pondrel-engine-demo "$@"
        ;;
    test)
        quick=${PONDREL_TEST_QUICK:-0}
        if [ "${1:-}" = "--quick" ]; then
            quick=1
            shift
        fi
        fuzz_seconds=${PONDREL_FUZZ_SECONDS:-60}
        require_seconds "$fuzz_seconds" "PONDREL_FUZZ_SECONDS must be a whole number of seconds"
        if [ "$quick" = 1 ]; then
            install_packages "${packages[@]}" "${e2e_packages[@]}" "${install_check_packages[@]}"
            build dev
            exec ctest --preset dev "$@"
        fi
        install_packages "${packages[@]}" "${e2e_packages[@]}" "${desktop_packages[@]}" \
            "${install_check_packages[@]}" "${fuzz_packages[@]}"
        run_all_tests "$fuzz_seconds" "$@"
        exit "$failed"
        ;;
    bench)
        install_packages "${packages[@]}" "${headless_packages[@]}" "${bench_packages[@]}"
        build release release --target pondrel-bench pondrel-sudoku pondrel-engine-demo
        ./build/release/bench/pondrel-bench "$@"
        # Then the program itself, timed from outside on a virtual desktop of
        # its own; it shares --quick, and has nothing to add to --help or
        # to the step finder's rows alone.
        app_args=()
        for arg in "$@"; do
            case "$arg" in
                --quick) app_args+=(--quick) ;;
                -h | --help | --steps-only) exit 0 ;;
            esac
        done
        exec /usr/bin/python3 -B bench/app_perf.py ./build/release/app/pondrel-sudoku "${app_args[@]}"
        ;;
    fuzz)
        seconds=${1:-60}
        require_seconds "$seconds" "usage: $0 fuzz [seconds]"
        install_packages "${packages[@]}" "${fuzz_packages[@]}"
        build fuzz asan
        status=0
        run_fuzzers "$seconds" 2 build/asan/fuzz-summary.txt || status=$?
        cat build/asan/fuzz-summary.txt
        exit "$status"
        ;;
    *)
        echo "usage: $0 deps | run | test [--quick] [ctest args] | bench [args] | demo [args] | fuzz [seconds]" >&2
        exit 2
        ;;
esac
