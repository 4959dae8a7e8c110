#!/usr/bin/env bash
# Builds Brontalo and runs it on the demo ERP database (created on first use).
# The database server keeps running afterwards; stop it with: bash scripts/pg.sh stop
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/demo-prepare.sh"
bin="${BRONTALO_BUILD_DIR:-$root/build}/bin"

echo "The demo database server keeps running; stop it with: bash scripts/pg.sh stop"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display is available. Run it under a virtual one instead:"
    echo "    xvfb-run -s '-screen 0 1920x1080x24' $bin/Brontalo"
    echo "or take a picture of it with: bash scripts/screenshot.sh shot.png"
    exit 0
fi
exec "$bin/Brontalo"
