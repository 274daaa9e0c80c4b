// The table is comma-separated text, one colour per line. With two fields per line:
//   "# comment\r\n"              skipped: begins with "#"
//   "\r\n"                       skipped: shorter than 3 characters, its CR counted
//   "00FFFF, Cyan\r\n"           0x00FFFF "Cyan": the blank before a field and one CR are dropped
//   "ff,\tDeep Red , x\r\n"      0x0000FF "Deep Red ": blanks at a field's end stay, a third
//                                field is ignored
//   "no digits"                  0 "": a value without hex digits is 0, a missing name is empty
// A line keeps at most 511 characters and a field at most 63; the rest of an overlong line or
// field is skipped, so one bad line never costs the lines after it.
#include "app/color_data_parser.h"

#include <algorithm>
#include <cstdio>
#include <new>
#include <utility>

namespace {

constexpr std::size_t MaxLineLength = 511;
constexpr std::size_t MaxFieldLength = ColorDataEntry::NameSize - 1;
constexpr int NameField = 1;
constexpr std::string_view WhiteSpace = " \t\n\v\f\r";
constexpr std::string_view::size_type NoPosition = std::string_view::npos;

bool IsSkippedLine(std::string_view line) {
    return line.size() < 3 || line.front() == '#';
}

std::string_view WithoutCarriageReturn(std::string_view line) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

std::string_view WithoutLeadingWhiteSpace(std::string_view field) {
    std::size_t start = field.find_first_not_of(WhiteSpace);
    return start == NoPosition ? std::string_view() : field.substr(start);
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// Reads a number as scanf's "%X" does (an optional sign, an optional "0x", hex digits), but
// defined for every input: a number wider than eight digits keeps its last eight, and a field
// without digits gives 0.
std::uint32_t ParseHexNumber(std::string_view field) {
    bool negative = false;
    if (!field.empty() && (field.front() == '+' || field.front() == '-')) {
        negative = field.front() == '-';
        field.remove_prefix(1);
    }
    if (field.size() > 2 && field[0] == '0' && (field[1] == 'x' || field[1] == 'X') &&
        HexDigitValue(field[2]) >= 0) {
        field.remove_prefix(2);
    }
    std::uint32_t value = 0;
    for (char c : field) {
        int digit = HexDigitValue(c);
        if (digit < 0) {
            break;
        }
        value = value << 4 | static_cast<std::uint32_t>(digit);
    }
    return negative ? 0u - value : value;
}

void ReadFields(std::string_view line, ColorDataEntry& entry, int fieldCount) {
    // Fields past the name carry nothing, so reading stops at the name.
    const int fieldsRead = std::min(fieldCount, NameField + 1);
    for (int i = 0; i < fieldsRead; ++i) {
        std::size_t comma = line.find(',');
        std::string_view field =
            WithoutLeadingWhiteSpace(line.substr(0, comma).substr(0, MaxFieldLength));
        if (i == NameField) {
            entry.ColorName[field.copy(entry.ColorName, field.size())] = '\0';
        } else {
            entry.ColorValue = ParseHexNumber(field);
        }
        if (comma == NoPosition) {
            return;
        }
        line.remove_prefix(comma + 1);
    }
}

void StoreEntry(ColorDataTable& table, std::size_t slot, std::unique_ptr<ColorDataEntry> entry) {
    if (slot < table.size()) {
        table[slot] = std::move(entry);
    } else {
        table.push_back(std::move(entry));
    }
}

} // namespace

void ReportToStandardError(const char* text) {
    std::fprintf(stderr, "%s\n", text);
}

std::unique_ptr<ColorDataEntry> NewColorDataEntry() {
    return std::unique_ptr<ColorDataEntry>(new (std::nothrow) ColorDataEntry);
}

void ParseColorData(std::string_view text, ColorDataTable& table, int fieldCount,
                    DiagnosticReporter report, ColorEntryAllocator allocate) {
    text = text.substr(0, text.find('\0'));
    std::size_t count = 0;
    // The text after the last LF is a line too, even when empty (it is then skipped).
    for (std::size_t start = 0; start != NoPosition;) {
        std::size_t lineFeed = text.find('\n', start);
        std::string_view line = text.substr(start, lineFeed - start).substr(0, MaxLineLength);
        start = lineFeed == NoPosition ? NoPosition : lineFeed + 1;
        if (IsSkippedLine(line)) {
            continue;
        }
        std::unique_ptr<ColorDataEntry> entry = allocate();
        if (!entry) {
            report("currentInfo is NULL!");
            continue;
        }
        ReadFields(WithoutCarriageReturn(line), *entry, fieldCount);
        StoreEntry(table, count++, std::move(entry));
    }
    table.resize(count);
}
