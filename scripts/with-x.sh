#!/usr/bin/env bash
# with-x.sh [--wm] [--wayland] [--load CORE] COMMAND...: runs COMMAND on a private
# Xvfb display and stops everything afterwards.
#   --wm       under the openbox window manager
#   --wayland  in weston, nested in the Xvfb display (WAYLAND_DISPLAY and
#              QT_QPA_PLATFORM=wayland set; DISPLAY stays for xdotool, which
#              reaches weston's window through the X server); weston logs the
#              requests it receives to WESTON_LOG
#   --load     on the given core (counted modulo the cores there are) with a
#              busy loop: the session gets half of it, as
#              on a machine where something else runs flat out, and the
#              other cores stay free for whatever runs beside it
set -euo pipefail
wm=0 wayland=0 load=0
while [ $# -gt 0 ]; do
    case "$1" in
    --wm) wm=1 ;;
    --wayland) wayland=1 ;;
    --load) load=1 core=$(($2 % $(nproc))) && shift ;;
    *) break ;;
    esac
    shift
done

# Up to a minute for a condition (a shell command) to hold: on a busy machine
# the servers start and stop late, and the wait ends as soon as it holds. The
# command run waits on the window system by the same.
wait_seconds=60
wait_until() {
    local end=$((SECONDS + wait_seconds))
    until eval "$1"; do
        [ "$SECONDS" -lt "$end" ] || return 1
        sleep 0.1
    done
}
export wait_seconds
export -f wait_until

tmp=$(mktemp -d)
pids=()
# Each stopped in the reverse order of its start, clients before their
# server, and killed outright if it is still there after the wait.
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || continue
        wait_until "! kill -0 ${pids[i]} 2>/dev/null" ||
            { name=$(cat "/proc/${pids[i]}/comm" 2>/dev/null) &&
                kill -KILL "${pids[i]}" 2>/dev/null && echo "with-x.sh: $name did not stop; killed" >&2; }
        wait "${pids[i]}" 2>/dev/null || true
    done
    rm -rf "$tmp"
}
trap cleanup EXIT

fail() {
    echo "with-x.sh: $1 within $wait_seconds s" >&2
    cat "$2" >&2
    exit 1
}

[ "$load" = 1 ] && taskset -cp "$core" $$ >/dev/null
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$tmp/display" 2>"$tmp/xvfb.log" &
pids+=($!)
wait_until '[ -s "$tmp/display" ]' || fail "Xvfb did not start" "$tmp/xvfb.log"
export DISPLAY=":$(head -n1 "$tmp/display")"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="$tmp/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

if [ "$wm" = 1 ]; then
    openbox --sm-disable >"$tmp/openbox.log" 2>&1 &
    pids+=($!)
    # Ready once it has claimed the window-manager selection.
    wait_until "xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'" \
        || fail "openbox did not start" "$tmp/openbox.log"
fi

if [ "$wayland" = 1 ]; then
    # Windows appear at once, so a test finds them on the screen; closing keeps
    # weston's fade, after which it hands activation back.
    printf '[shell]\nanimation=none\nstartup-animation=none\n' >"$tmp/weston.ini"
    weston --config="$tmp/weston.ini" --logger-scopes=log,proto --backend=x11-backend.so --socket=kelvane-wayland --idle-time=0 \
        --width=1000 --height=740 >"$tmp/weston.log" 2>&1 &
    pids+=($!)
    wait_until '[ -S "$XDG_RUNTIME_DIR/kelvane-wayland" ]' && wait_until "xwininfo -root -tree | grep -q '\"Weston Compositor'" \
        || fail "weston did not start" "$tmp/weston.log"
    export WAYLAND_DISPLAY=kelvane-wayland QT_QPA_PLATFORM=wayland WESTON_LOG="$tmp/weston.log"
    # weston follows the X pointer by its moves, from where it entered weston's
    # window: so enter it once from outside. Keys reach it while the pointer is over it.
    xdotool mousemove --sync 1020 760 mousemove --sync 500 370
fi

if [ "$load" = 1 ]; then
    sh -c 'while :; do :; done' &
    pids+=($!)
fi

"$@"
