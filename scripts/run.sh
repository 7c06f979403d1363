#!/usr/bin/env bash
# run.sh BUILD-DIR: starts Kelvane on the desktop, or, with no display, on a
# private Xvfb with openbox, saving a screenshot of the main window.
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$build/app/kelvane"
fi

shot="$build/kelvane.png"
export KELVANE_BUILD="$build" KELVANE_SHOT="$shot"
exec "$here/with-x.sh" --wm bash -c '
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
