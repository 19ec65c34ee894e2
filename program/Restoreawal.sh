#!/usr/bin/env bash
# First-start restore: Restoreawal.sh INIT.SQL BACKUP FUNCTION.SQL
# Creates the database when missing, its tables and settings row, loads the
# backup, then the server code. Any failure ends with a non-zero status.
set -euo pipefail
source "$(dirname "$0")/dbclient.sh"
[ $# -eq 3 ] || { echo "pakai: $0 init.sql backup.bac function.sql" >&2; exit 2; }
for f in "$1" "$2" "$3"; do
  [ -r "$f" ] || { echo "File tidak dapat dibaca: $f" >&2; exit 1; }
done
"${client[@]}" -e "CREATE DATABASE IF NOT EXISTS \`$db_name\` CHARACTER SET utf8mb4 COLLATE utf8mb4_general_ci"
"${client[@]}" "$db_name" <"$1"
"${client[@]}" "$db_name" <"$2"
"${client[@]}" "$db_name" <"$3"
