#!/usr/bin/env bash
# Backup: backup.sh FILE
# Dumps the whole database, with its functions, procedures and triggers, to
# FILE. The folder is created when missing; the file appears only whole.
set -euo pipefail
source "$(dirname "$0")/dbclient.sh"
[ $# -eq 1 ] || { echo "pakai: $0 file.bac" >&2; exit 2; }
target=$1
mkdir -p "$(dirname "$target")"
"${dump[@]}" --single-transaction --routines --triggers --add-drop-table "$db_name" >"$target.tmp"
mv -f "$target.tmp" "$target"
