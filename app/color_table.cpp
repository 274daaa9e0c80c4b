#include "app/color_table.h"

std::uint32_t ToPlatformColor(std::uint32_t rgb) {
    return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

void FillColorTable(std::string_view text, ColorDataTable& table, DiagnosticReporter report) {
    table.clear();
    table.resize(ColorTableSlots);
    ParseColorData(text, table, ColorTableFields, report);
    for (auto& entry : table) {
        entry->ColorValue = ToPlatformColor(entry->ColorValue);
    }
}

const char* FindColorName(const ColorDataTable& table, std::uint32_t color) {
    for (const auto& entry : table) {
        if (entry->ColorValue == color) {
            return entry->ColorName;
        }
    }
    return "not found";
}
