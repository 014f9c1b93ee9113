#!/usr/bin/env bash
# The Windows program end to end under Wine and a virtual X server, as a person on
# Windows would meet it: the installer runs silently into a fresh prefix; the installed
# program shows its window; Save through its own dialog writes the bytes the Linux
# build writes; --export writes each form byte for byte as the Linux build does;
# --upload puts a template into a throwaway Dovecot; New Message in Mail Client reaches
# the program registered for .eml files; the uninstaller leaves no program files.
# usage: wine_end_to_end.sh SETUP_EXE LINUX_BUILD [SCREENSHOT.png]
set -euo pipefail
setup=$(realpath "$1")
linux=$(realpath "$2")
screenshot=${3:+$(realpath -m "$3")}
here=$(cd "$(dirname "$0")" && pwd)
wine=/usr/lib/wine/wine64

work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
    [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
    [ -n "${dovecot:-}" ] && kill "$dovecot" 2>/dev/null || true
    WINEPREFIX=$work/prefix /usr/lib/wine/wineserver -k 2>/dev/null || true
    [ -n "${xserver:-}" ] && kill "$xserver" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
started=$SECONDS
step() { echo "[$((SECONDS - started)) s] $*"; }

for n in $(seq 150 199); do
    [ -e /tmp/.X$n-lock ] || { display=:$n; break; }
done
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xserver=$!
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
unset QT_QPA_PLATFORM

step "a fresh Wine prefix"
$wine wineboot -i >/dev/null 2>&1
# A program that crashes ends with a backtrace on its standard error, rather than
# waiting in Wine's debugger for ever.
$wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Auto /d 1 /f \
    >/dev/null 2>&1
$wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger \
    /d 'winedbg --minidump %ld %ld' /f >/dev/null 2>&1
step "setup.exe /S"
timeout 120 $wine "$setup" /S
installed="$WINEPREFIX/drive_c/Program Files/Stationery Editor"
for file in stationery-editor.exe stationery-editor.com Qt6Widgets.dll platforms/qwindows.dll \
    imageformats/qjpeg.dll libstdc++-6.dll uninstall.exe; do
    [ -f "$installed/$file" ] || fail "the installer did not put $file in place"
done
shortcut=$(find "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu" -name 'Stationery Editor.lnk' | head -1)
[ -n "$shortcut" ] || fail "no Start menu shortcut"
$wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\stationery-editor' \
    /v DisplayName 2>/dev/null | grep -q "Stationery Editor" || fail "no Apps & features entry"
$wine reg query 'HKCR\.htm' 2>/dev/null | grep -qi stationery && fail "the installer took over .htm"
exe='C:\Program Files\Stationery Editor\stationery-editor.exe'
console='C:\Program Files\Stationery Editor\stationery-editor.com'

step "--export, each form, against the Linux build"
"$linux/tests/export_samples" "$work/in" 2>/dev/null
mkdir -p "$work/linux" "$work/windows"
for form in classic todays message; do
    extension=htm
    [ $form = message ] && extension=eml
    (cd "$work" && env -u DISPLAY "$linux/src/app/stationery-editor" --export \
        "linux/$form.$extension" --form $form in/classic/page.htm) || fail "Linux --export $form"
    status=0
    timeout 60 $wine "$console" --export "Z:${work//\//\\}\\windows\\$form.$extension" --form $form \
        "Z:${work//\//\\}\\in\\classic\\page.htm" >"$work/export.log" 2>&1 || status=$?
    [ $status -eq 0 ] || fail "Windows --export $form: status $status: $(cat "$work/export.log")"
done
# A name with letters beyond ASCII goes through Windows' wide-character calls unchanged.
(cd "$work" && env -u DISPLAY "$linux/src/app/stationery-editor" --export "linux/Été ☀.eml" \
    in/classic/page.htm) || fail "Linux --export to a non-ASCII name"
timeout 60 $wine "$console" --export "Z:${work//\//\\}\\windows\\Été ☀.eml" \
    "Z:${work//\//\\}\\in\\classic\\page.htm" >"$work/export.log" 2>&1 ||
    fail "Windows --export to a non-ASCII name: $(cat "$work/export.log")"
diff -r "$work/linux" "$work/windows" >/dev/null || fail "the exports differ: $(diff -rq "$work/linux" "$work/windows")"

step "--export between \\\\server\\share folders"
# Wine reaches \\server\share through dosdevices/unc/server/share.
mkdir -p "$WINEPREFIX/dosdevices/unc/server" "$work/unc"
ln -s "$work" "$WINEPREFIX/dosdevices/unc/server/share"
for form in classic todays message; do
    extension=htm
    [ $form = message ] && extension=eml
    status=0
    timeout 60 $wine "$console" --export '\\server\share\unc\'"$form.$extension" --form $form \
        '\\server\share\in\classic\page.htm' >"$work/export.log" 2>&1 || status=$?
    [ $status -eq 0 ] || fail "--export $form on a share: status $status: $(cat "$work/export.log")"
done
diff -r --exclude='Été ☀.eml' "$work/linux" "$work/unc" >/dev/null ||
    fail "the exports on a share differ: $(diff -rq --exclude='Été ☀.eml' "$work/linux" "$work/unc")"
status=0
timeout 60 $wine "$console" --export "Z:${work//\//\\}\\windows\\x.eml" "Z:${work//\//\\}\\in\\gone.htm" \
    >"$work/export.log" 2>&1 || status=$?
[ $status -eq 1 ] || fail "a failed export ends with status $status"
grep -q "gone.htm" "$work/export.log" || fail "a failed export does not say why: $(cat "$work/export.log")"

step "the window, and Save through its dialog"
mkdir -p "$work/saved"
$wine "$exe" >"$work/editor.log" 2>&1 &
app=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name "Stationery Creator" | head -1) ||
    fail "the window did not appear: $(cat "$work/editor.log")"
sleep 2
[ -n "$screenshot" ] && "$linux/tools/screen_grab" "$screenshot"
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
sleep 0.5
xdotool key ctrl+s
# Wine's own save dialog, untitled without a window manager: the new large window.
dialog=
for _ in $(seq 300); do
    for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        [ "$id" = "$window" ] && continue
        eval "$(xdotool getwindowgeometry --shell "$id")"
        [ "$WIDTH" -gt 300 ] && [ "$WIDTH" -lt 1024 ] && dialog=$id
    done
    [ -n "$dialog" ] && break
    sleep 0.1
done
[ -n "$dialog" ] || fail "no save dialog"
sleep 2
target="$work/saved/My Stationery.htm"
xdotool type --delay 20 "Z:${target//\//\\}"
xdotool key Return
for _ in $(seq 200); do [ -f "$target" ] && break; sleep 0.1; done
[ -f "$target" ] || fail "Save wrote nothing to $target"
"$linux/tests/render_default" >"$work/expected.htm"
cmp "$target" "$work/expected.htm" || fail "the saved file differs from the Linux build's"

step "New Message in Mail Client reaches the program registered for .eml"
mkdir -p "$WINEPREFIX/drive_c/standin"
x86_64-w64-mingw32-windres "$here/standin_mail.rc" -O coff -o "$work/standin.res"
x86_64-w64-mingw32-gcc -municode -mwindows -O2 -o "$WINEPREFIX/drive_c/standin/standin-mail.exe" \
    "$here/standin_mail.c" "$work/standin.res" -lshell32
# For every user: Wine 8 does not look at a user's own classes (Windows merges both).
$wine reg add 'HKLM\Software\Classes\.eml' /ve /d StandinMail.Message /f >/dev/null 2>&1
$wine reg add 'HKLM\Software\Classes\StandinMail.Message\shell\open\command' /ve \
    /d '"C:\standin\standin-mail.exe" "%1"' /f >/dev/null 2>&1
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 8)) click 1 # the status bar
sleep 0.5
xdotool key ctrl+shift+m
received="$WINEPREFIX/drive_c/standin/received.eml"
for _ in $(seq 150); do [ -s "$received" ] && break; sleep 0.2; done
[ -s "$received" ] || { "$linux/tools/screen_grab" /tmp/wine-new-message.png; fail "the stand-in mail program got no message (the screen: /tmp/wine-new-message.png)"; }
head -c 20 "$received" | grep -q "X-Unsent: 1" || fail "the stand-in got no message template"

step "--upload into a throwaway Dovecot"
mail=$work/dovecot
"$here/../support/throwaway_dovecot.sh" "$mail"
dovecot=$(cat "$mail/pid")
port=$(cat "$mail/port")
fingerprint=$(cat "$mail/fingerprint")
status=0
echo secret | timeout 120 $wine "$console" --upload "imaps://ann@127.0.0.1:$port/Drafts" --password-stdin \
    --trust-certificate "$fingerprint" "Z:${work//\//\\}\\in\\classic\\page.htm" \
    >"$work/upload.log" 2>&1 || status=$?
[ $status -eq 0 ] || fail "--upload: status $status: $(cat "$work/upload.log")"
grep -q "Drafts" "$work/upload.log" || fail "--upload does not say where it put it: $(cat "$work/upload.log")"
stored=$(find "$mail/mail/ann" -path '*Drafts/cur/*' -type f | head -1)
[ -n "$stored" ] || fail "nothing is in the Drafts folder"
grep -q "^Content-Type: image/jpeg" "$stored" || fail "the stored template lacks its picture"

step "the uninstaller"
kill "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true
app=
timeout 120 $wine "C:\\Program Files\\Stationery Editor\\uninstall.exe" /S
for _ in $(seq 100); do [ -e "$installed" ] || break; sleep 0.2; done
[ -e "$installed" ] && fail "the uninstaller left: $(find "$installed" | head)"
[ -e "$shortcut" ] && fail "the uninstaller left the Start menu shortcut"
step "done"
