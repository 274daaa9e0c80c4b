// Feeds arbitrary text to the colour-table parser and checks what every table must satisfy: no
// empty slot, every name NUL-terminated inside its buffer, every value in the platform's layout,
// and a lookup that always answers.
#include "app/color_table.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

void IgnoreReport(const char*) {}

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ColorDataTable table;
    FillColorTable(std::string_view(reinterpret_cast<const char*>(data), size), table,
                   IgnoreReport);
    const char* notFound = FindColorName(ColorDataTable(), 0);
    for (const auto& entry : table) {
        Require(entry != nullptr);
        Require(std::memchr(entry->ColorName, '\0', ColorDataEntry::NameSize) != nullptr);
        Require((entry->ColorValue & 0xFF000000) == 0);
        Require(FindColorName(table, entry->ColorValue) != notFound);
    }
    return 0;
}
