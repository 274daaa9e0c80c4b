// The colour-name table as the readout uses it: filled once from the table's text, then searched
// by the pixel's colour value.
#ifndef QUORVEL_APP_COLOR_TABLE_H
#define QUORVEL_APP_COLOR_TABLE_H

#include "app/color_data_entry.h"
#include "app/color_data_parser.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// The table is made ready for this many entries; a longer table still grows to hold them all.
constexpr std::size_t ColorTableSlots = 150;
// Each line holds the value and the name.
constexpr int ColorTableFields = 2;

// 0xRRGGBB as the table writes colours to the platform's 0x00BBGGRR; a wider number loses its
// top byte.
std::uint32_t ToPlatformColor(std::uint32_t rgb);

// Replaces table's content with the entries of text, their values in the platform's layout.
void FillColorTable(std::string_view text, ColorDataTable& table, DiagnosticReporter report);

// The name of the first entry whose value equals color (0x00BBGGRR), or "not found".
const char* FindColorName(const ColorDataTable& table, std::uint32_t color);

#endif
