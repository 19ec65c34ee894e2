#pragma once

// Registers the application core's windows and reports with the window
// registry (positions, users, password change, settings, branches, backup,
// restore, the main window's three reports). Called once at start-up.
void registerAppWindows();
