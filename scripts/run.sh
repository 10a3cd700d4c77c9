#!/usr/bin/env bash
# SPDX-License-Identifier: AGPL-3.0-or-later
# Installs what is missing, builds, and starts the Zodrivel desktop program. Arguments go to
# the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target zodrivel zodrivel-cli
# Without a display Qt stops with "could not connect to display" and a hint to reinstall,
# which misleads: say what is missing and what works instead.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    cat >&2 <<'END'
No display: the desktop program needs a graphical session (DISPLAY and WAYLAND_DISPLAY are
not set).
  - Over SSH, connect with "ssh -X" (or -Y) so that the window opens on your own screen.
  - On a server, the command-line program gives the same chart without a window:
      ./build/cli/zodrivel-cli --help
  - To run the desktop program with no screen at all (tests), set QT_QPA_PLATFORM=offscreen.
END
    exit 1
fi
exec ./build/desktop/zodrivel "$@"
