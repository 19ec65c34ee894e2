#pragma once

// The one instance of a window that the whole program shares (the pick and
// search dialogs, the module windows). It is created on first use and lives
// until the process ends; windows are shown and hidden, never destroyed.
template <class Window>
Window &sharedWindow()
{
    static Window *instance = new Window();
    return *instance;
}
