#!/usr/bin/env bash
# run.sh BUILD-DIR: starts Kelvane on the desktop, or, with no display, on a
# private Xvfb with openbox, saving a screenshot of the main window.
# Ctrl+C stops it, and that is a normal end: status 0.
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)

# On a terminal the command runs as a job of its own in the foreground, so
# that Ctrl+C reaches it alone and not make, which would report it as an error.
run() {
    if [ ! -t 0 ]; then
        exec "$@"
    fi
    set -m
    "$@" &
    local status=0
    fg >/dev/null || status=$?
    [ "$status" = 130 ] && exit 0
    exit "$status"
}

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    run "$build/app/kelvane"
fi

shot="$build/kelvane.png"
export KELVANE_BUILD="$build" KELVANE_SHOT="$shot"
run "$here/with-x.sh" --wm bash -c '
    "$KELVANE_BUILD/app/kelvane" &
    app=$!
    trap "kill $app 2>/dev/null" INT TERM
    id=""
    for _ in $(seq 100); do
        id=$(xdotool search --sync --onlyvisible --name "^Kelvane v" 2>/dev/null | head -n1) && [ -n "$id" ] && break
        sleep 0.1
    done
    sleep 0.5
    "$KELVANE_BUILD/tools/xshot" "$KELVANE_SHOT" "$id"
    echo "Kelvane is running on a private X display ($DISPLAY); screenshot of its window: $KELVANE_SHOT"
    echo "Press Ctrl+C to stop it."
    wait $app
'
