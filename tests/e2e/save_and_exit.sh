#!/usr/bin/env bash
# Starts the real editor under a virtual X server and uses it as a person would:
# Ctrl+S, a path typed into the save dialog, Enter; then Ctrl+X ends the program.
# Then it starts the editor again with a stationery file on the command line and
# saves it under another name: the bytes are the same.
# usage: save_and_exit.sh EDITOR RENDER_DEFAULT
set -euo pipefail
editor=$1
render_default=$2

work=$(mktemp -d)
export HOME=$work/home
mkdir -p "$HOME/Documents"
cleanup() {
    [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
    [ -n "${xserver:-}" ] && kill "$xserver" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A free display number.
for n in $(seq 90 140); do
    [ -e /tmp/.X$n-lock ] || { display=:$n; break; }
done
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xserver=$!
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

unset QT_QPA_PLATFORM

# The saving part, as a function: Ctrl+S, the path typed into the dialog, Enter.
save_as() {
    local target=$1
    xdotool windowfocus --sync "$window"
    sleep 0.3
    xdotool key ctrl+s
    dialog=$(timeout 20 xdotool search --sync --onlyvisible --name "Save" | grep -v "^$window\$" | head -1) ||
        fail "no save dialog"
    xdotool windowfocus --sync "$dialog"
    sleep 0.5
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 5 "$target"
    xdotool key Return
    for _ in $(seq 100); do [ -f "$target" ] && break; sleep 0.1; done
    [ -f "$target" ] || fail "no file was written to $target"
}

"$editor" >"$work/editor.log" 2>&1 &
app=$!

window=$(timeout 20 xdotool search --sync --name "Stationery Creator" | head -1)
[ -n "$window" ] || fail "the editor window did not appear"
xdotool windowfocus --sync "$window"
sleep 0.5

target="$work/out/My Stationery.htm"
mkdir -p "$work/out"
save_as "$target"
"$render_default" >"$work/expected.htm"
cmp "$target" "$work/expected.htm" || fail "the file differs from an untouched window's"

for _ in $(seq 50); do
    title=$(xdotool getwindowname "$window")
    [ "$title" = "$target" ] && break
    sleep 0.1
done
[ "$title" = "$target" ] || fail "the window title is '$title'"

# Ctrl+X with the focus outside any text field ends the program.
xdotool windowfocus --sync "$window"
sleep 0.3
xdotool key ctrl+x || true # the window may be gone before the key is released
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then fail "Ctrl+X did not end the program"; fi
app=

opened="$work/out/opened.htm"
"$render_default" full >"$opened"
"$editor" "$opened" >"$work/editor.log" 2>&1 &
app=$!
window=$(timeout 20 xdotool search --sync --name "opened.htm" | head -1)
[ -n "$window" ] || fail "the editor did not open the file given on the command line"
sleep 0.5
save_as "$work/out/again.htm"
cmp "$opened" "$work/out/again.htm" || fail "opened and saved again, the file changed"
kill "$app"
wait "$app" || true
app=
echo "2 passed, 0 failed"
