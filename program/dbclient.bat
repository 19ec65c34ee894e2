@rem Connection of the backup and restore scripts, called by them. The
@rem program passes DAGANG_HOST, DAGANG_PORT, DAGANG_DATABASE, DAGANG_USER
@rem and MYSQL_PWD; the design defaults hold otherwise.
if "%DAGANG_HOST%"=="" set DAGANG_HOST=localhost
if "%DAGANG_PORT%"=="" set DAGANG_PORT=3306
if "%DAGANG_DATABASE%"=="" set DAGANG_DATABASE=dagang
if "%DAGANG_USER%"=="" set DAGANG_USER=pemakai
if "%MYSQL_PWD%"=="" set MYSQL_PWD=qzv
set DBARGS=-h %DAGANG_HOST% -P %DAGANG_PORT% -u %DAGANG_USER% --default-character-set=utf8mb4
