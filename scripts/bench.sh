#!/usr/bin/env bash
# Builds and runs every benchmark against the private PostgreSQL server and prints one
# table of all their figures: action, data, ours, the statement-per-row form where
# there is one, ratio, target, met or not. Each benchmark's own output goes to
# $build/bench-logs/. A server that was already running is left running.
#   scripts/bench.sh [benchmark ...]      (default: all of them)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/pg-settings.sh"

build="${BRONTALO_BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 >/dev/null

source "$root/scripts/private-server.sh"
# The benchmarks copy the test template of this build tree.
ctest --test-dir "$build" -R '^prepare_test_template$' --output-on-failure >/dev/null

benchmarks=("$@")
[ ${#benchmarks[@]} -gt 0 ] ||
    benchmarks=(bench_window bench_auto_schedule bench_forecast bench_materials bench_refresh
        bench_search)

logs="$build/bench-logs"
mkdir -p "$logs"
rows="$logs/rows.tsv"
: >"$rows"
load_before="$(cut -d' ' -f1-3 /proc/loadavg)"
failed=0
for name in "${benchmarks[@]}"; do
    echo "running $name …" >&2
    if "$build/bench/$name" >"$logs/$name.txt" 2>&1; then
        grep '^BENCH' "$logs/$name.txt" | cut -f2- >>"$rows" || true
    else
        echo "$name failed; see $logs/$name.txt" >&2
        failed=1
    fi
done
load_after="$(cut -d' ' -f1-3 /proc/loadavg)"

echo
echo "| Action | Data | Ours | Statement-per-row form | Ratio | Target | Met |"
echo "|---|---|---|---|---|---|---|"
while IFS=$'\t' read -r action data ours naive ratio target met; do
    echo "| $action | $data | $ours | $naive | $ratio | $target | $met |"
done <"$rows"
echo
echo "Load average (1, 5, 15 min) before: $load_before; after: $load_after; $(nproc) cores."
echo "Figures are medians; the logs in $logs give the 95th percentiles and the details."
exit "$failed"
