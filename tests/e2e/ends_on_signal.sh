#!/usr/bin/env bash
# The real editor ends within a second of SIGTERM, SIGINT or SIGHUP, through its Exit path
# (status 0), with its audio device really open.
# usage: ends_on_signal.sh EDITOR
set -euo pipefail
editor=$1

work=$(mktemp -d)
trap 'kill "${app:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
export HOME=$work QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null

# The last case starts with a file that is not there, so that a message about it is up
# when the signal comes: one signal still ends the program.
for case in TERM INT HUP TERM:message; do
    signal=${case%%:*}
    arguments=()
    [ "$case" = "${case%:message}" ] || arguments=("$work/gone.htm")
    "$editor" "${arguments[@]}" >"$work/editor.log" 2>&1 &
    app=$!
    # Ready once the program catches the signal itself.
    number=$(kill -l "$signal")
    for _ in $(seq 200); do
        caught=$(awk '/^SigCgt:/ { print $2 }' "/proc/$app/status" 2>/dev/null || echo 0)
        (((0x$caught >> (number - 1)) & 1)) && break
        sleep 0.1
    done
    (((0x$caught >> (number - 1)) & 1)) || { echo "FAIL: SIG$signal is never caught"; exit 1; }

    [ ${#arguments[@]} -eq 0 ] || sleep 1 # the message is up by then
    start=$(date +%s%N)
    kill -s "$signal" "$app"
    status=0
    for _ in $(seq 30); do kill -0 "$app" 2>/dev/null || break; sleep 0.05; done
    if kill -0 "$app" 2>/dev/null; then
        echo "FAIL: still running 1.5 s after SIG$signal"
        cat "$work/editor.log"
        exit 1
    fi
    wait "$app" || status=$?
    elapsed=$((($(date +%s%N) - start) / 1000000))
    echo "$case: ended with status $status after $elapsed ms"
    [ "$status" -eq 0 ] || { echo "FAIL: status $status"; exit 1; }
    [ "$elapsed" -le 1000 ] || { echo "FAIL: took $elapsed ms"; exit 1; }
    app=
done
echo "1 passed, 0 failed"
