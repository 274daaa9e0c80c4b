#include "app/color_table_loader.h"

#include "app/color_table.h"
#include "app/text_resource.h"
#include "framework/diagnostic_box.h"
#include "res/resource_ids.h"

void LoadColorTable(HINSTANCE module, ColorDataTable& table) {
    FillColorTable(LoadTextResource(module, IDR_COLOR_TABLE), table, ShowDiagnosticBox);
}
