#!/bin/sh
# Owns the Wine test bed of one build tree: its own prefix, a virtual X display
# and a persistent wineserver.
#   wine-session.sh ensure STATE_DIR REGFILE   create/start what is missing
#   wine-session.sh stop   STATE_DIR           stop display and wineserver
set -eu
cmd=$1
state=$2
regfile=${3:-}
export WINEPREFIX="$state/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=C.UTF-8

running() { [ -f "$state/xvfb.pid" ] && kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null; }

start_display() {
    rm -f "$state/display"
    # -displayfd picks a free display number, so build trees never collide.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$state/display.tmp" >/dev/null 2>&1 9>&- &
    echo $! >"$state/xvfb.pid"
    i=0
    while [ ! -s "$state/display.tmp" ]; do
        i=$((i + 1)); [ $i -lt 100 ] || { echo "Xvfb did not start" >&2; exit 1; }
        sleep 0.1
    done
    echo ":$(cat "$state/display.tmp")" >"$state/display"
    rm -f "$state/display.tmp"
}

case $cmd in
ensure)
    mkdir -p "$state"
    exec 9>"$state/lock"
    flock 9
    if [ ! -f "$state/prefix/.kl4-ready" ]; then
        rm -rf "$state/prefix"
        wineboot --init </dev/null >/dev/null 2>&1 9>&-
        wineserver -w
        mkdir -p "$state/drive_e"
        ln -sfn "$state/drive_e" "$state/prefix/dosdevices/e:"
        touch "$state/prefix/.kl4-ready"
    fi
    if ! running; then start_display; fi
    export DISPLAY="$(cat "$state/display")"
    # A persistent wineserver saves its start-up on every test program. It
    # fails when one is running already; when it starts a new one, Wine's own
    # services start with the first program: start them here, detached, so
    # they hold no test's output open.
    if wineserver -p </dev/null >/dev/null 2>&1 9>&-; then
        wine cmd /c exit </dev/null >/dev/null 2>&1 9>&-
    fi
    if [ -n "$regfile" ] && ! cmp -s "$regfile" "$state/imported.reg"; then
        wine regedit /S "$regfile" </dev/null >/dev/null 2>&1 9>&-
        cp "$regfile" "$state/imported.reg"
    fi
    ;;
stop)
    wineserver -k 2>/dev/null || true
    if running; then kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true; fi
    rm -f "$state/xvfb.pid" "$state/display"
    ;;
*)
    echo "usage: $0 ensure|stop STATE_DIR [REGFILE]" >&2; exit 2 ;;
esac
