#ifndef QUORVEL_FRAMEWORK_DIAGNOSTIC_BOX_H
#define QUORVEL_FRAMEWORK_DIAGNOSTIC_BOX_H

// Shows text in a message box with an OK button, an empty caption, no owner and the default
// language: diagnostics of the program's internals rather than messages of one window.
void ShowDiagnosticBox(const char* text);

#endif
