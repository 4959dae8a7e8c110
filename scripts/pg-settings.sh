# Settings of the private PostgreSQL cluster that the demo and the tests use.
# Sourced by scripts/pg.sh; the cluster itself lives under /tmp so that the
# postgres system user can reach it wherever the checkout is.
BRONTALO_PG_DIR="/tmp/brontalo-pg-$(id -u)"
BRONTALO_PG_HOST=127.0.0.1
BRONTALO_PG_PORT=54329
BRONTALO_PG_USER=brontalo
BRONTALO_PG_PASSWORD=brontalo-dev
BRONTALO_PG_BIN=/usr/lib/postgresql/15/bin
