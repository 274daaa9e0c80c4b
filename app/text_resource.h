#ifndef QUORVEL_APP_TEXT_RESOURCE_H
#define QUORVEL_APP_TEXT_RESOURCE_H

#include <windows.h>

#include <string>

// The text of module's resource of type 201 with the given id: its bytes, up to its size or to
// its first NUL. Throws Exception when the resource cannot be found, loaded or locked.
std::string LoadTextResource(HINSTANCE module, int id);

#endif
