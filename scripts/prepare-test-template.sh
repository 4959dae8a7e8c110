#!/usr/bin/env bash
# (Re)creates the template database the tests copy for each test: the ERP tables of
# the demo schema, without rows. Needs the private server (scripts/pg.sh start).
#   scripts/prepare-test-template.sh TEMPLATE-NAME   (each build tree passes its own)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/pg-settings.sh"

export PGHOST="${BRONTALO_TEST_PG_HOST:-$BRONTALO_PG_HOST}"
export PGPORT="${BRONTALO_TEST_PG_PORT:-$BRONTALO_PG_PORT}"
export PGUSER="${BRONTALO_TEST_PG_USER:-$BRONTALO_PG_USER}"
export PGPASSWORD="${BRONTALO_TEST_PG_PASSWORD:-$BRONTALO_PG_PASSWORD}"

template="${1:?usage: prepare-test-template.sh TEMPLATE-NAME}"
psql -q -v ON_ERROR_STOP=1 -d postgres -c "DROP DATABASE IF EXISTS $template WITH (FORCE)"
psql -q -v ON_ERROR_STOP=1 -d postgres -c "CREATE DATABASE $template"
psql -q -v ON_ERROR_STOP=1 -d "$template" -f "$here/../demo/erp_schema.sql" >/dev/null
