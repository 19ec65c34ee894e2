@echo off
rem Restore: Restore.bat "init.sql" "backup.bac" "function.sql"
rem The same work as the first-start restore.
call "%~dp0Restoreawal.bat" %*
exit /b %ERRORLEVEL%
