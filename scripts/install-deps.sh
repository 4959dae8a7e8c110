#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Brontalo need.
# Only packages that are missing are installed, so a prepared machine skips apt.
set -euo pipefail

packages=(
    g++ cmake ninja-build git pkg-config
    qt6-base-dev qt6-svg-dev libgl1-mesa-dev
    unixodbc unixodbc-dev odbc-postgresql
    postgresql postgresql-client
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool imagemagick x11-utils
    fonts-open-sans
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# psqlODBC registers its drivers on install; make sure the Unicode one is known.
if ! odbcinst -q -d -n "PostgreSQL Unicode" >/dev/null 2>&1; then
    echo "The ODBC driver 'PostgreSQL Unicode' is not registered." >&2
    exit 1
fi
