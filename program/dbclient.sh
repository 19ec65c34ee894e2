# Connection of the backup and restore scripts, sourced by them. The program
# passes its own connection in DAGANG_HOST, DAGANG_PORT, DAGANG_DATABASE,
# DAGANG_USER and MYSQL_PWD; without them ip.txt beside the scripts and the
# design defaults hold.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if [ -z "${DAGANG_HOST:-}" ] && [ -f "$here/ip.txt" ]; then
  line=$(head -n 1 "$here/ip.txt" | tr -d '\r' | xargs)
  DAGANG_HOST=${line%%:*}
  [ "$line" != "${line#*:}" ] && DAGANG_PORT=${line#*:}
fi
db_host=${DAGANG_HOST:-localhost}
db_port=${DAGANG_PORT:-3306}
db_name=${DAGANG_DATABASE:-dagang}
db_user=${DAGANG_USER:-pemakai}
export MYSQL_PWD=${MYSQL_PWD:-qzv}
client=(mariadb --no-defaults -h "$db_host" -P "$db_port" -u "$db_user" --default-character-set=utf8mb4)
dump=(mariadb-dump --no-defaults -h "$db_host" -P "$db_port" -u "$db_user" --default-character-set=utf8mb4)
