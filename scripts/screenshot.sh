#!/usr/bin/env bash
# Takes a screenshot of Brontalo on the demo database under a virtual display.
#   scripts/screenshot.sh OUT.png [x y]
# With x and y the pointer is first moved to that point of the window (window pixels),
# for example onto a work centre of the floor plan: scripts/screenshot.sh shot.png 280 180
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
if [ $# -ne 1 ] && [ $# -ne 3 ]; then
    echo "usage: $0 OUT.png [x y]" >&2
    exit 2
fi
out="$(realpath -m "$1")"
bash "$root/scripts/demo-prepare.sh" >/dev/null
bin="${BRONTALO_BUILD_DIR:-$root/build}/bin"

xvfb-run -a -s "-screen 0 1920x1080x24" bash -s -- "$bin" "$out" "${2:-}" "${3:-}" <<'INNER'
set -euo pipefail
bin=$1 out=$2 x=$3 y=$4
"$bin/Brontalo" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
window=""
for _ in $(seq 1 100); do
    window=$(xdotool search --name '^Brontalo' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.2
done
[ -n "$window" ] || { echo "Brontalo did not open its window" >&2; exit 1; }
sleep 1
if [ -n "$x" ]; then
    xdotool mousemove --window "$window" "$x" "$y"
    sleep 0.2
    xdotool mousemove --window "$window" "$((x + 1))" "$y"
fi
sleep 1
import -window root "$out"
echo "Screenshot written to $out"
INNER
