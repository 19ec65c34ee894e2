@echo off
rem Backup: backup.bat "folder\file.bac"
setlocal
call "%~dp0dbclient.bat"
if not exist "%~dp1" mkdir "%~dp1"
mysqldump %DBARGS% --single-transaction --routines --triggers --add-drop-table %DAGANG_DATABASE% > "%~1.tmp" || (del "%~1.tmp" & exit /b 1)
move /y "%~1.tmp" "%~1" >nul || exit /b 1
exit /b 0
