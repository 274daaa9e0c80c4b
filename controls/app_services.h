// What the controls take from the running application: its module and its message box. Tests
// and tools that build the controls without an application still get a module and a box.
#ifndef QUORVEL_CONTROLS_APP_SERVICES_H
#define QUORVEL_CONTROLS_APP_SERVICES_H

#include <windows.h>

// The application's module instance (the program's own module when no application exists).
HINSTANCE ApplicationModule();

// The application's message box: an OK button, no icon, language 0, captioned with the
// application's name unless `caption` is given.
int ShowAppMessage(HWND owner, const char* text, const char* caption = nullptr);

#endif
