@echo off
rem First-start restore: Restoreawal.bat "init.sql" "backup.bac" "function.sql"
setlocal
call "%~dp0dbclient.bat"
if not exist "%~2" (echo File tidak dapat dibaca: %~2 1>&2 & exit /b 1)
mysql %DBARGS% -e "CREATE DATABASE IF NOT EXISTS `%DAGANG_DATABASE%` CHARACTER SET utf8mb4 COLLATE utf8mb4_general_ci" || exit /b 1
mysql %DBARGS% %DAGANG_DATABASE% < "%~1" || exit /b 1
mysql %DBARGS% %DAGANG_DATABASE% < "%~2" || exit /b 1
mysql %DBARGS% %DAGANG_DATABASE% < "%~3" || exit /b 1
exit /b 0
