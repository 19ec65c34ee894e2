#pragma once

#include "login.h"

// What the login needs of the main window: lock it, open it to a user's
// rights, and show it modally until the user logs out.
class MainWindowHost
{
public:
    virtual ~MainWindowHost() = default;

    // The lock operation: every group and top menu but "Menu" disabled,
    // "Login..." enabled, "Logout" and the password change disabled.
    virtual void RzGroup1Items1Click() = 0;
    // Opens the menus of the row's rights, swaps the "Menu" entries, shows
    // the function-key panel. The session fields are already set.
    virtual void openForUser(const LoginRow &row) = 0;
    // Shows the main window modally; returns when it closes (logout).
    virtual void showModal() = 0;
};
