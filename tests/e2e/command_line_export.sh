#!/usr/bin/env bash
# stationery-editor --export converts stationery files with no display at all, and
# fails plainly, writing nothing, when it cannot.
# usage: command_line_export.sh EDITOR EXPORT_SAMPLES
set -euo pipefail
editor=$1
samples=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$samples" "$work/in" 2>/dev/null
cd "$work" # not the stationery's folder: its names must be found beside it all the same
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$editor" "$@"; }
failed=0
fail() { echo "FAIL: $*"; failed=1; }

run --version | grep -q '^stationery-editor [0-9]' || fail "--version"
run --help | grep -q -- '--export <OUT>' || fail "--help"

run --export out/message.eml in/classic/page.htm 2>err.txt && fail "a missing folder is no error"
[ -s err.txt ] || fail "no reason on standard error"
mkdir out
run --export out/message.eml in/classic/page.htm || fail "the message template"
head -c 40 out/message.eml | grep -q '^X-Unsent: 1' || fail "not a message template"
grep -q '^Content-Type: image/jpeg' out/message.eml || fail "the picture is not inside"
run --export out/today.htm --form todays in/classic/page.htm || fail "--form todays"
grep -q '<!DOCTYPE html>' out/today.htm || fail "not the form for today's clients"
run --export out/classic.html in/classic/page.htm || fail "the classic form"
[ -f "out/sky & sea #1.jpg" ] || fail "the classic form's picture is not beside it"

# Failures: a reason, status 1, and nothing new.
before=$(ls out | wc -l)
for args in "--export out/x.eml in/gone.htm" "--export out/x.txt in/classic/page.htm" \
    "--export out/x.eml --form fancy in/classic/page.htm" "--form message in/classic/page.htm"; do
    status=0
    run $args 2>err.txt || status=$?
    [ "$status" -eq 1 ] || fail "$args: status $status"
    grep -q . err.txt || fail "$args: no reason given"
done
[ "$(ls out | wc -l)" -eq "$before" ] || fail "a failure wrote something"

# A shell loop converts many files, as the README shows.
mkdir many
for name in one two three; do cp -r in/classic "many/$name"; done
for page in many/*/page.htm; do
    run --export "${page%.htm}.eml" "$page" || fail "loop: $page"
done
[ "$(ls many/*/page.eml | wc -l)" -eq 3 ] || fail "the loop did not convert every file"

[ "$failed" -eq 0 ] && echo "1 passed, 0 failed" || { echo "0 passed, 1 failed"; exit 1; }
