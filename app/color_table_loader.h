#ifndef QUORVEL_APP_COLOR_TABLE_LOADER_H
#define QUORVEL_APP_COLOR_TABLE_LOADER_H

#include "app/color_data_entry.h"

#include <windows.h>

// Fills table from module's colour-name resource, ready for FindColorName; an entry that cannot
// be allocated is reported in a message box. Throws Exception, leaving table as it was, when the
// resource cannot be found, loaded or locked.
void LoadColorTable(HINSTANCE module, ColorDataTable& table);

#endif
