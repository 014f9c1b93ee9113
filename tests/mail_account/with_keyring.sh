#!/bin/sh
# Runs a command with a real Secret Service: gnome-keyring's secrets component,
# its login keyring made and unlocked with a throwaway password, in a throwaway home. Meant to run inside
# dbus-run-session, which gives the session bus and ends the daemon with it.
set -eu
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config"
export XDG_RUNTIME_DIR="$home/run"
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
eval "$(printf 'throwaway' | gnome-keyring-daemon --unlock --components=secrets)"
export GNOME_KEYRING_CONTROL STATIONERY_KEYRING_TEST=1
exec "$@"
