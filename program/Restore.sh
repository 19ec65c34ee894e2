#!/usr/bin/env bash
# Restore: Restore.sh INIT.SQL BACKUP FUNCTION.SQL
# A restore while the program runs is the same work as the first-start
# restore: tables and settings row, the backup, then the server code.
exec bash "$(dirname "$0")/Restoreawal.sh" "$@"
