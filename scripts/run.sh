#!/usr/bin/env bash
# Installs what is missing, builds, starts a private MariaDB server with its
# data in .db/ (created with the demo data on first use), writes ip.txt and
# starts the program. Without a display it runs under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
port=${DAGANG_PORT:-33061}

scripts/deps.sh
scripts/build.sh
scripts/dbserver.sh start "$root/.db" "$port"
# The private server lives as long as the program; its data stays in .db/.
trap 'scripts/dbserver.sh stop "$root/.db"' EXIT

export MYSQL_PWD=qzv
client=(mariadb --no-defaults -h 127.0.0.1 -P "$port" -u pemakai --default-character-set=utf8mb4)
program=$root/build/program
if ! "${client[@]}" -e 'USE dagang' 2>/dev/null; then
  echo "Membuat database dagang dengan data contoh"
  "${client[@]}" -e 'CREATE DATABASE dagang CHARACTER SET utf8mb4 COLLATE utf8mb4_general_ci'
  "${client[@]}" dagang <"$program/init.sql"
  "${client[@]}" dagang <"$program/function.sql"
  "${client[@]}" dagang <"$root/scripts/demo.sql"
else
  # Bring an existing database up to the current tables and server code.
  "${client[@]}" dagang <"$program/init.sql"
  "${client[@]}" dagang <"$program/function.sql"
fi
printf '127.0.0.1:%s\n' "$port" >"$program/ip.txt"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Tidak ada layar: program dijalankan di bawah Xvfb (DISPLAY=:77)"
  Xvfb :77 -screen 0 1280x1024x24 >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb 2>/dev/null; scripts/dbserver.sh stop "$root/.db"' EXIT
  export DISPLAY=:77
  sleep 1
fi
echo "Login contoh: admin / admin"
(cd "$program" && ./dagang)
