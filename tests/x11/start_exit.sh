#!/usr/bin/env bash
# start_exit.sh KELVANE: on a real X server, the program starts with its window
# titled "Kelvane v2.11", and File > Exit from the keyboard ends it with status 0.
set -euo pipefail
"$1" &
app=$!
trap 'kill $app 2>/dev/null || true' EXIT

id=""
for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name '^Kelvane v2\.11$' 2>/dev/null | head -n1 || true)
    [ -n "$id" ] && break
    sleep 0.1
done
[ -n "$id" ] || { echo "FAIL: no window titled 'Kelvane v2.11'"; exit 1; }

title=$(xprop -id "$id" WM_NAME | sed -n 's/^WM_NAME([A-Z_]*) = "\(.*\)"$/\1/p')
[ "$title" = "Kelvane v2.11" ] || { echo "FAIL: WM_NAME is '$title'"; exit 1; }
width=$(xwininfo -id "$id" | awk '/Width:/ {print $2}')
[ "$width" = 291 ] || { echo "FAIL: client width $width"; exit 1; }

# Wait until the window has the keyboard, then File > Exit.
for _ in $(seq 50); do
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$id" ] && break
    sleep 0.1
done
xdotool key alt+f
sleep 0.3
xdotool key x

for _ in $(seq 50); do
    kill -0 $app 2>/dev/null || break
    sleep 0.1
done
if kill -0 $app 2>/dev/null; then echo "FAIL: still running after File > Exit"; exit 1; fi
trap - EXIT
wait $app
status=$?
[ "$status" = 0 ] || { echo "FAIL: exit status $status"; exit 1; }
echo "1 passed, 0 failed"
