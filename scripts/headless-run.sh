#!/usr/bin/env bash
# Shows Pondrel Sudoku on a machine without a display: starts a virtual
# screen (Xvfb) with a window manager (openbox) and a system tray (trayer),
# starts the app on empty home and XDG folders, clicks its tray icon, saves a
# screenshot of the open panel and ends everything it started.
#
#   scripts/headless-run.sh <pondrel-sudoku binary> [screenshot.png]
#
# Needs: xvfb dbus openbox trayer xdotool x11-utils imagemagick (./dev.sh run
# installs them).
set -euo pipefail

app=${1:?usage: $0 <pondrel-sudoku binary> [screenshot.png]}
screenshot=${2:-pondrel-screenshot.png}
app=$(readlink -f "$app")
mkdir -p "$(dirname "$screenshot")"
screenshot=$(readlink -f "$screenshot")

for tool in Xvfb dbus-daemon openbox trayer xdotool xwininfo xprop import; do
    if ! command -v "$tool" >/dev/null; then
        echo "headless-run: $tool is not installed" >&2
        exit 1
    fi
done

work=$(mktemp -d -t pondrel-headless-XXXXXX)
pids=()
cleanup() {
    local pid
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        pid=${pids[i]}
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

# wait_for <seconds> <command...>: runs the command every 50 ms until it
# succeeds; fails after the given time.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        if ((SECONDS >= deadline)); then
            return 1
        fi
        sleep 0.05
    done
}

# Xvfb picks a free display itself and writes its number to fd 3; it must
# not reset when its first client leaves, or the next one may be turned away.
Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 1280x800x24 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
wait_for 10 test -s "$work/display" || { echo "headless-run: Xvfb did not start" >&2; exit 1; }

# The app sees only this virtual desktop: fresh folders and a session bus of
# its own (without one, D-Bus clients would start a bus that outlives us).
mkdir -p "$work/home" "$work/config" "$work/data" "$work/cache" "$work/runtime"
chmod 700 "$work/runtime"
unset WAYLAND_DISPLAY XDG_SESSION_TYPE XDG_CURRENT_DESKTOP QT_QPA_PLATFORMTHEME SESSION_MANAGER
DISPLAY=":$(cat "$work/display")"
export DISPLAY
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
    XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb

dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/bus" >"$work/dbus.log" 2>&1 &
pids+=($!)
wait_for 10 test -s "$work/bus" || { echo "headless-run: dbus-daemon did not start" >&2; exit 1; }
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")
export DBUS_SESSION_BUS_ADDRESS

openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
    { echo "headless-run: openbox did not start" >&2; exit 1; }

trayer --edge top --align right --SetDockType true --height 26 >"$work/trayer.log" 2>&1 &
pids+=($!)
wait_for 10 sh -c 'xdotool search --classname panel >/dev/null' ||
    { echo "headless-run: trayer did not start" >&2; exit 1; }

"$app" >"$work/app.log" 2>&1 &
pids+=($!)

# The docked icon: a small visible window of the app, placed in the tray.
# (getwindowgeometry --shell sets WINDOW X Y WIDTH HEIGHT SCREEN; they are
# declared local so the eval leaves nothing behind.)
# shellcheck disable=SC2034
icon_geometry() {
    local id WINDOW X Y WIDTH HEIGHT SCREEN
    for id in $(xdotool search --onlyvisible --classname pondrel-sudoku 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        if ((WIDTH > 1 && WIDTH <= 64 && HEIGHT <= 64 && X > 0)); then
            echo "$((X + WIDTH / 2)) $((Y + HEIGHT / 2))"
            return 0
        fi
    done
    return 1
}
# The panel: the app's window titled "Pondrel Sudoku", board-sized and
# viewable, straight under the root window. The window manager does not
# frame it, while it frames the welcome window and the tray's dock holds the
# icon, so neither is taken for it. Prints its id.
panel_window() {
    local id
    while read -r id; do
        if xwininfo -id "$id" | grep -q 'Map State: IsViewable'; then
            echo "$id"
            return 0
        fi
    done < <(xwininfo -root -children |
        sed -n 's/^ *\(0x[0-9a-f]*\) "Pondrel Sudoku": ("pondrel-sudoku" "pondrel-sudoku")  \([0-9]*\)x\([0-9]*\)+.*/\1 \2 \3/p' |
        awk '$2 >= 200 && $3 >= 200 && $2 < 1280 { print $1 }')
    return 1
}

if ! wait_for 10 icon_geometry >/dev/null; then
    echo "headless-run: the tray icon did not appear; the app said:" >&2
    cat "$work/app.log" >&2
    exit 1
fi
# Open means open for good: the welcome window of a first start, say,
# takes the focus, which closes a panel opened before it.
panel_stays_open() {
    panel_window >/dev/null && sleep 0.5 && panel_window >/dev/null
}
# A click that opened nothing, or a panel that closed again at once, is
# tried again; a click is never sent while the panel is open, since it
# would close it.
clicks=0
until panel_stays_open; do
    if ((clicks == 3)); then
        echo "headless-run: $clicks clicks on the tray icon did not open the panel; no screenshot. The app said:" >&2
        cat "$work/app.log" >&2
        exit 1
    fi
    if ((clicks > 0)); then
        echo "headless-run: click $clicks on the tray icon did not open the panel (or it closed at once); clicking again" >&2
    fi
    read -r icon_x icon_y < <(icon_geometry)
    xdotool mousemove "$icon_x" "$icon_y" click 1
    clicks=$((clicks + 1))
    wait_for 5 panel_window >/dev/null || true
done
# One frame more, so the screenshot shows the panel's content drawn.
sleep 0.2
import -window root "$screenshot"
echo "Pondrel Sudoku ran on a virtual display; screenshot of the open panel: $screenshot"
