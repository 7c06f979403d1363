#!/usr/bin/env bash
# start_exit.sh KELVANE: on a real X server, the program starts with its window
# titled "Kelvane v2.11", and File > Exit from the keyboard ends it with status
# 0. Under a window manager the close box (Alt+F4) ends it the same way.
# EXIT_KEYS are File > Exit's keys in the program's language ("alt+f x").
# Run by scripts/with-x.sh, whose wait_until it waits with.
set -euo pipefail
kelvane=$1
read -r menu_key item_key <<<"${EXIT_KEYS:-alt+f x}"
passed=0

start() {
    "$kelvane" &
    app=$!
    trap 'kill $app 2>/dev/null || true' EXIT
    wait_until 'id=$(xdotool search --onlyvisible --name "^Kelvane v2\.11$" 2>/dev/null | head -n1) && [ -n "$id" ]' ||
        { echo "FAIL: no window titled 'Kelvane v2.11' within $wait_seconds s"; exit 1; }
    wait_until '[ "$(xdotool getwindowfocus 2>/dev/null)" = "$id" ]' ||
        { echo "FAIL: the window did not get the keyboard within $wait_seconds s"; exit 1; }
}

ended_with_zero() {
    if ! wait_until '! kill -0 "$app" 2>/dev/null'; then echo "FAIL: still running $wait_seconds s after $1"; exit 1; fi
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
# The menu is a window of the program's own, shown beside the main window.
wait_until '[ "$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | wc -l)" -ge 2 ]' ||
    { echo "FAIL: no menu shown after $menu_key within $wait_seconds s"; exit 1; }
xdotool key "$item_key"
ended_with_zero "File > Exit"

if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
    start
    xdotool key alt+F4
    ended_with_zero "the close box"
fi
echo "$passed passed, 0 failed"
