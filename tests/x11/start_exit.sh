#!/usr/bin/env bash
# start_exit.sh KELVANE: on a real X server, the program starts with its window
# titled "Kelvane v2.11", and File > Exit from the keyboard ends it with status
# 0. Under a window manager the close box (Alt+F4) ends it the same way.
# EXIT_KEYS are File > Exit's keys in the program's language ("alt+f x").
set -euo pipefail
kelvane=$1
read -r menu_key item_key <<<"${EXIT_KEYS:-alt+f x}"
passed=0

start() {
    "$kelvane" &
    app=$!
    trap 'kill $app 2>/dev/null || true' EXIT
    id=""
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name '^Kelvane v2\.11$' 2>/dev/null | head -n1 || true)
        [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || { echo "FAIL: no window titled 'Kelvane v2.11'"; exit 1; }
    # Wait until it has the keyboard.
    for _ in $(seq 50); do
        [ "$(xdotool getwindowfocus 2>/dev/null)" = "$id" ] && break
        sleep 0.1
    done
}

ended_with_zero() {
    for _ in $(seq 50); do
        kill -0 "$app" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$app" 2>/dev/null; then echo "FAIL: still running after $1"; exit 1; fi
    trap - EXIT
    local status=0
    wait "$app" || status=$?
    [ "$status" = 0 ] || { echo "FAIL: exit status $status after $1"; exit 1; }
    passed=$((passed + 1))
}

start
title=$(xprop -id "$id" WM_NAME | sed -n 's/^WM_NAME([A-Z_]*) = "\(.*\)"$/\1/p')
[ "$title" = "Kelvane v2.11" ] || { echo "FAIL: WM_NAME is '$title'"; exit 1; }
width=$(xwininfo -id "$id" | awk '/Width:/ {print $2}')
[ "$width" = 291 ] || { echo "FAIL: client width $width"; exit 1; }
xdotool key "$menu_key"
sleep 0.3
xdotool key "$item_key"
ended_with_zero "File > Exit"

if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
    start
    xdotool key alt+F4
    ended_with_zero "the close box"
fi
echo "$passed passed, 0 failed"
