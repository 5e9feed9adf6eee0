#!/usr/bin/env bash
# Starts the program, or explains why it cannot show a window here.
set -eu
program=$1
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: set DISPLAY (or WAYLAND_DISPLAY), or run headless with" >&2
    echo "  QT_QPA_PLATFORM=offscreen make run" >&2
    exit 1
fi
exec "$program"
