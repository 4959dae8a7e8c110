# Sourced by the test and benchmark scripts: makes sure the private PostgreSQL server
# runs, stops it on exit only if it was started here (a running server, the demo's or
# another checkout's, is left as it was), and points the test support at it.
# Needs $root and scripts/pg-settings.sh sourced.
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
