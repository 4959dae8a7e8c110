#!/usr/bin/env bash
# Builds Brontalo, starts the private PostgreSQL, creates and fills the demo ERP
# database when it is missing, and writes brontalo.ini beside the program.
# Used by demo.sh and screenshot.sh; prints nothing but progress.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/pg-settings.sh"

bash "$root/scripts/install-deps.sh"

build="${BRONTALO_BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target Brontalo brontalo_demo_plan

bash "$root/scripts/pg.sh" start

export PGHOST="$BRONTALO_PG_HOST" PGPORT="$BRONTALO_PG_PORT" PGUSER="$BRONTALO_PG_USER"
export PGPASSWORD="$BRONTALO_PG_PASSWORD"
demo_db=brontalo_demo
bin="$build/bin"
mkdir -p "$bin"
printf '%s\r\n' "$BRONTALO_PG_HOST" "$BRONTALO_PG_PORT" "$BRONTALO_PG_USER" \
    "$BRONTALO_PG_PASSWORD" "$demo_db" "1" "" >"$bin/brontalo.ini"

if ! psql -d postgres -tAc "SELECT 1 FROM pg_database WHERE datname='$demo_db'" | grep -q 1; then
    # Filled under another name and renamed at the end, so that a failure half-way
    # never leaves a half-made demo database behind for the next run.
    echo "Creating the demo ERP database $demo_db ..."
    filling="${demo_db}_filling"
    psql -q -v ON_ERROR_STOP=1 -d postgres -c "DROP DATABASE IF EXISTS $filling WITH (FORCE)"
    psql -q -v ON_ERROR_STOP=1 -d postgres -c "CREATE DATABASE $filling"
    psql -q -v ON_ERROR_STOP=1 -d "$filling" -f "$root/demo/erp_schema.sql" >/dev/null
    psql -q -v ON_ERROR_STOP=1 -d "$filling" -f "$root/demo/demo_data.sql" >/dev/null
    # Route types for the demo products and a first plan with some work under way.
    printf '%s\r\n' "$BRONTALO_PG_HOST" "$BRONTALO_PG_PORT" "$BRONTALO_PG_USER" \
        "$BRONTALO_PG_PASSWORD" "$filling" "1" "" >"$bin/demo-filling.ini"
    "$bin/brontalo_demo_plan" "$bin/demo-filling.ini"
    rm -f "$bin/demo-filling.ini"
    psql -q -v ON_ERROR_STOP=1 -d postgres -c "ALTER DATABASE $filling RENAME TO $demo_db"
fi
echo "Settings: $bin/brontalo.ini (database $demo_db on $BRONTALO_PG_HOST:$BRONTALO_PG_PORT)"
