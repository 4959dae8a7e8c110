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

source "$root/scripts/private-server.sh"

start=$(date +%s)
ctest --test-dir "$build" -j2 --output-on-failure --no-tests=error
echo "Tests took $(( $(date +%s) - start )) s."
