// One named colour of the colour-name table, and the table itself. The table owns its entries, so
// they go when the table goes.
#ifndef QUORVEL_APP_COLOR_DATA_ENTRY_H
#define QUORVEL_APP_COLOR_DATA_ENTRY_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

struct ColorDataEntry {
    static constexpr std::size_t NameSize = 64;

    // 0xRRGGBB as written in the table until the table is converted, 0x00BBGGRR afterwards.
    std::uint32_t ColorValue = 0;
    // At most NameSize - 1 characters and a NUL; empty for a line without a name.
    char ColorName[NameSize] = {};
};

using ColorDataTable = std::vector<std::unique_ptr<ColorDataEntry>>;

#endif
