#!/usr/bin/env bash
# Installs what is missing, builds, starts the private PostgreSQL, runs every test
# and stops the server again. Fails when a test fails or when no test ran.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/pg-settings.sh"

bash "$root/scripts/install-deps.sh"

build="${BRONTALO_BUILD_DIR:-$root/build}"
start=$(date +%s)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2
echo "Build took $(( $(date +%s) - start )) s."

# Leave a server that was already running (the demo's) as it was.
started_here=0
if ! bash "$root/scripts/pg.sh" status >/dev/null 2>&1; then
    bash "$root/scripts/pg.sh" start
    started_here=1
fi
stop_server() { [ "$started_here" = 1 ] && bash "$root/scripts/pg.sh" stop; return 0; }
trap stop_server EXIT

export BRONTALO_TEST_PG_HOST="$BRONTALO_PG_HOST"
export BRONTALO_TEST_PG_PORT="$BRONTALO_PG_PORT"
export BRONTALO_TEST_PG_USER="$BRONTALO_PG_USER"
export BRONTALO_TEST_PG_PASSWORD="$BRONTALO_PG_PASSWORD"
export QT_QPA_PLATFORM=offscreen

start=$(date +%s)
ctest --test-dir "$build" -j2 --output-on-failure --no-tests=error
echo "Tests took $(( $(date +%s) - start )) s."
