#include "app/color_table.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string ReadShippedTable() {
    std::ifstream file(QUORVEL_COLORNAMES_PATH, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The platform's colour value of a pixel with these components.
std::uint32_t Pixel(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return red | green << 8 | blue << 16;
}

std::string EntryLine(const ColorDataEntry& entry) {
    char value[16];
    std::snprintf(value, sizeof value, "%06X", static_cast<unsigned>(entry.ColorValue));
    return std::string(value) + ", " + entry.ColorName + "\r\n";
}

class ShippedTable : public testing::Test {
protected:
    void SetUp() override { FillColorTable(Text, Table, ReportToStandardError); }

    const std::string Text = ReadShippedTable();
    ColorDataTable Table;
};

TEST_F(ShippedTable, Holds140EntriesThatWriteBackToTheResourceByteForByte) {
    ASSERT_EQ(Text.size(), 2734u);
    ColorDataTable asWritten;
    ParseColorData(Text, asWritten, ColorTableFields, ReportToStandardError);
    ASSERT_EQ(asWritten.size(), 140u);
    std::string rewritten;
    for (const auto& entry : asWritten) {
        rewritten += EntryLine(*entry);
    }
    EXPECT_EQ(rewritten + "\r\n", Text);
}

TEST_F(ShippedTable, IsInResourceOrderWithPlatformColours) {
    ASSERT_EQ(Table.size(), 140u);
    EXPECT_EQ(Table.front()->ColorValue, Pixel(0, 0, 0));
    EXPECT_STREQ(Table.front()->ColorName, "Black");
    EXPECT_EQ(Table[1]->ColorValue, Pixel(0, 0, 0x80));
    EXPECT_STREQ(Table[1]->ColorName, "Navy");
    EXPECT_EQ(Table[14]->ColorValue, Table[15]->ColorValue);
    EXPECT_STREQ(Table[15]->ColorName, "Aqua");
    EXPECT_EQ(Table[110]->ColorValue, Table[111]->ColorValue);
    EXPECT_STREQ(Table[111]->ColorName, "Fuchsia");
    EXPECT_EQ(Table.back()->ColorValue, Pixel(0xFF, 0xFF, 0xFF));
    EXPECT_STREQ(Table.back()->ColorName, "White");
}

struct Lookup {
    std::uint32_t Color;
    const char* Name;
};

TEST_F(ShippedTable, NamesAColourByItsFirstExactMatch) {
    const Lookup lookups[] = {
        {Pixel(0x00, 0xFF, 0xFF), "Cyan"},    // before Aqua
        {Pixel(0xFF, 0x00, 0xFF), "Magenta"}, // before Fuchsia
        {Pixel(0xDC, 0x14, 0x3C), "Brimson"},
        {Pixel(0xFF, 0xF8, 0xDC), "Bornsilk"},
        {Pixel(0x00, 0xBF, 0xBF), "Deep Skyblue"},
        {Pixel(0xFA, 0xFA, 0xD2), "Light Golden Rod Yellow"},
        {Pixel(0x00, 0x00, 0x00), "Black"},
        {Pixel(0xFF, 0xFF, 0xFF), "White"},
        {Pixel(0x01, 0x00, 0x00), "not found"}, // one unit off Black
        {Pixel(0xFF, 0xFF, 0xFE), "not found"}, // one unit off White
        {0xFFFFFFFF, "not found"},              // an unreadable pixel
    };
    for (const Lookup& lookup : lookups) {
        EXPECT_STREQ(FindColorName(Table, lookup.Color), lookup.Name) << std::hex << lookup.Color;
    }
}

TEST(ColorTable, EmptyTableFindsNothing) {
    EXPECT_STREQ(FindColorName(ColorDataTable(), Pixel(0, 0, 0)), "not found");
}

TEST(ColorTable, FillingReplacesTheOldEntries) {
    ColorDataTable table;
    FillColorTable("000000, Black\r\nFFFFFF, White\r\n", table, ReportToStandardError);
    FillColorTable("FF0000, Red\r\n", table, ReportToStandardError);
    ASSERT_EQ(table.size(), 1u);
    EXPECT_STREQ(FindColorName(table, Pixel(0xFF, 0, 0)), "Red");
}

TEST(ColorTable, PlatformColourSwapsRedAndBlueAndClearsTheTopByte) {
    EXPECT_EQ(ToPlatformColor(0x123456), Pixel(0x12, 0x34, 0x56));
    EXPECT_EQ(ToPlatformColor(0xAB123456), Pixel(0x12, 0x34, 0x56));
    EXPECT_EQ(ToPlatformColor(0xFFFFFFFF), Pixel(0xFF, 0xFF, 0xFF));
}

} // namespace
