// Parser for the colour-name table's text. It is portable: the Windows program supplies the
// message box through a reporter, and tests can supply an allocator that runs out of memory.
#ifndef QUORVEL_APP_COLOR_DATA_PARSER_H
#define QUORVEL_APP_COLOR_DATA_PARSER_H

#include "app/color_data_entry.h"

#include <memory>
#include <string_view>

// Shows a diagnostic text to the user.
using DiagnosticReporter = void (*)(const char* text);
// Makes a new entry, or returns null when memory has run out.
using ColorEntryAllocator = std::unique_ptr<ColorDataEntry> (*)();

void ReportToStandardError(const char* text);
std::unique_ptr<ColorDataEntry> NewColorDataEntry();

// Parses text (ending at its size or its first NUL) into table, one entry per line, reading at
// most fieldCount fields of each line: the first is the value, the second the name. Entries fill
// the table's slots from the first on and the table grows when they run out; afterwards it holds
// exactly the entries parsed. An entry that cannot be allocated is reported and left out.
void ParseColorData(std::string_view text, ColorDataTable& table, int fieldCount,
                    DiagnosticReporter report = ReportToStandardError,
                    ColorEntryAllocator allocate = NewColorDataEntry);

#endif
