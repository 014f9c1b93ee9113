#!/usr/bin/env bash
# Makes docs/screenshot.png, the editor as a user first sees it, docs/check-window.png,
# the Check window, and docs/designs-window.png, in a virtual X server. Needs a build under build/ (scripts/run.sh or scripts/test.sh makes one).
set -euo pipefail
cd "$(dirname "$0")/.."
mkdir -p docs
cd "$HOME" # the lists show the start folder: a neutral one
xvfb-run -a -s "-screen 0 1024x768x24" "$OLDPWD/build/tools/window_screenshot" \
    "$OLDPWD/docs/screenshot.png" "${1:-0}" "$OLDPWD/docs/check-window.png" \
    "$OLDPWD/docs/designs-window.png"
echo "wrote docs/screenshot.png, docs/check-window.png and docs/designs-window.png"
