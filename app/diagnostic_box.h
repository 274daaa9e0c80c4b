#ifndef QUORVEL_APP_DIAGNOSTIC_BOX_H
#define QUORVEL_APP_DIAGNOSTIC_BOX_H

// Shows text in a message box with an OK button, an empty caption and no owner: diagnostics of
// the program's internals rather than messages of one window.
void ShowDiagnosticBox(const char* text);

#endif
