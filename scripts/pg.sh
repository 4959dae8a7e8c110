#!/usr/bin/env bash
# Starts, stops or checks the private PostgreSQL cluster used by the demo and the tests.
#   scripts/pg.sh start | stop | status
# The cluster listens on 127.0.0.1 only, on a fixed high port, with password login.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=pg-settings.sh
source "$here/pg-settings.sh"

as_postgres() {
    if [ "$(id -un)" = postgres ]; then
        "$@"
    elif [ "$(id -u)" -eq 0 ]; then
        runuser -u postgres -- "$@"
    else
        sudo -u postgres "$@"
    fi
}

init_cluster() {
    [ -f "$BRONTALO_PG_DIR/data/PG_VERSION" ] && return 0
    rm -rf "$BRONTALO_PG_DIR"
    mkdir -p "$BRONTALO_PG_DIR"
    chown postgres:postgres "$BRONTALO_PG_DIR" 2>/dev/null || true
    local pwfile="$BRONTALO_PG_DIR/pw"
    printf '%s\n' "$BRONTALO_PG_PASSWORD" >"$pwfile"
    chown postgres:postgres "$pwfile" 2>/dev/null || true
    as_postgres "$BRONTALO_PG_BIN/initdb" -D "$BRONTALO_PG_DIR/data" -U "$BRONTALO_PG_USER" \
        --pwfile="$pwfile" --auth=scram-sha-256 -E UTF8 --locale=C.UTF-8 >/dev/null
    rm -f "$pwfile"
    cat >>"$BRONTALO_PG_DIR/data/postgresql.conf" <<CONF
listen_addresses = '$BRONTALO_PG_HOST'
port = $BRONTALO_PG_PORT
unix_socket_directories = '$BRONTALO_PG_DIR'
fsync = off
synchronous_commit = off
full_page_writes = off
max_connections = 60
CONF
}

case "${1:-}" in
start)
    init_cluster
    if as_postgres "$BRONTALO_PG_BIN/pg_ctl" -D "$BRONTALO_PG_DIR/data" status >/dev/null 2>&1; then
        exit 0
    fi
    as_postgres "$BRONTALO_PG_BIN/pg_ctl" -D "$BRONTALO_PG_DIR/data" -l "$BRONTALO_PG_DIR/server.log" \
        -w -t 60 start >/dev/null
    ;;
stop)
    if [ -f "$BRONTALO_PG_DIR/data/PG_VERSION" ]; then
        as_postgres "$BRONTALO_PG_BIN/pg_ctl" -D "$BRONTALO_PG_DIR/data" -m fast -w stop >/dev/null 2>&1 || true
    fi
    ;;
status)
    as_postgres "$BRONTALO_PG_BIN/pg_ctl" -D "$BRONTALO_PG_DIR/data" status
    ;;
*)
    echo "usage: $0 start|stop|status" >&2
    exit 2
    ;;
esac
