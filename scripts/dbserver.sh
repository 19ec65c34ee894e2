#!/usr/bin/env bash
# A private MariaDB server whose data folder is given (inside the checkout):
#   dbserver.sh start DATADIR PORT   initialise when new, start, wait, create
#                                    the user pemakai/qzv (all privileges)
#   dbserver.sh stop DATADIR         stop it
# It listens on 127.0.0.1:PORT only, with lower_case_table_names=1.
set -euo pipefail

cmd=${1:?start|stop}
datadir=$(realpath -m "${2:?data folder}")
pidfile=$datadir/mariadb.pid

socket_path() {
  local s=$datadir/mariadb.sock
  # A unix socket path must stay short; a deep checkout uses /tmp instead.
  if [ ${#s} -gt 100 ]; then
    s=/tmp/dagang-$(printf '%s' "$datadir" | md5sum | cut -c1-12).sock
  fi
  printf '%s' "$s"
}

stop_server() {
  if [ -f "$pidfile" ]; then
    local pid
    pid=$(cat "$pidfile")
    if kill -0 "$pid" 2>/dev/null; then
      kill "$pid"
      for _ in $(seq 1 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.2
      done
      kill -9 "$pid" 2>/dev/null || true
    fi
    rm -f "$pidfile"
  fi
}

case "$cmd" in
start)
  port=${3:?port}
  socket=$(socket_path)
  stop_server
  user=$(id -un)
  if [ ! -d "$datadir/mysql" ]; then
    mkdir -p "$datadir"
    mariadb-install-db --no-defaults --datadir="$datadir" --user="$user" \
      --auth-root-authentication-method=normal --skip-test-db >"$datadir/install.log" 2>&1 \
      || { cat "$datadir/install.log" >&2; exit 1; }
  fi
  mariadbd --no-defaults --datadir="$datadir" --socket="$socket" --port="$port" \
    --bind-address=127.0.0.1 --pid-file="$pidfile" --user="$user" \
    --log-error="$datadir/error.log" --lower_case_table_names=1 \
    --character-set-server=utf8mb4 --collation-server=utf8mb4_general_ci \
    --innodb-buffer-pool-size=128M --innodb-log-file-size=48M --skip-log-bin \
    --max-connections=200 </dev/null >/dev/null 2>&1 &
  for _ in $(seq 1 150); do
    if mariadb-admin --no-defaults --socket="$socket" -uroot ping >/dev/null 2>&1; then
      break
    fi
    sleep 0.2
  done
  if ! mariadb-admin --no-defaults --socket="$socket" -uroot ping >/dev/null 2>&1; then
    echo "Server MariaDB tidak mau berjalan; lihat $datadir/error.log" >&2
    tail -n 20 "$datadir/error.log" >&2 || true
    exit 1
  fi
  mariadb --no-defaults --socket="$socket" -uroot <<'SQL'
CREATE USER IF NOT EXISTS 'pemakai'@'localhost' IDENTIFIED BY 'qzv';
CREATE USER IF NOT EXISTS 'pemakai'@'127.0.0.1' IDENTIFIED BY 'qzv';
GRANT ALL PRIVILEGES ON *.* TO 'pemakai'@'localhost' WITH GRANT OPTION;
GRANT ALL PRIVILEGES ON *.* TO 'pemakai'@'127.0.0.1' WITH GRANT OPTION;
FLUSH PRIVILEGES;
SQL
  ;;
stop)
  stop_server
  ;;
*)
  echo "usage: $0 start DATADIR PORT | stop DATADIR" >&2
  exit 2
  ;;
esac
