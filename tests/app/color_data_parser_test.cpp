#include "app/color_data_parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace std::string_literals;

namespace {

struct Entry {
    std::uint32_t Value;
    std::string Name;

    bool operator==(const Entry& other) const { return Value == other.Value && Name == other.Name; }
};

void PrintTo(const Entry& entry, std::ostream* out) {
    *out << std::hex << entry.Value << " \"" << entry.Name << '"';
}

std::vector<std::string> Reports;
void RecordReport(const char* text) {
    Reports.push_back(text);
}

std::vector<Entry> EntriesOf(const ColorDataTable& table) {
    std::vector<Entry> entries;
    for (const auto& entry : table) {
        entries.push_back({entry->ColorValue, entry->ColorName});
    }
    return entries;
}

std::vector<Entry> Parse(const std::string& text, int fieldCount = 2) {
    ColorDataTable table(150);
    ParseColorData(text, table, fieldCount, RecordReport);
    return EntriesOf(table);
}

struct ParseCase {
    const char* What;
    std::string Text;
    std::vector<Entry> Expected;
};

const std::string LongBlankName = "A" + std::string(62, ' ');

const ParseCase ParseCases[] = {
    {"comment and short lines are skipped",
     "# 000000, Black\r\n\r\nAB\nA\r\n\n00FF00, Lime\r\n",
     {{0x00FF00, "Lime"}}},
    {"three characters, CR included, make an entry", "AB\r\n", {{0xAB, ""}}},
    {"only a line's first character marks a comment", " #1, Hash", {{0, "Hash"}}},
    {"LF alone ends a line", "0000FF, Blue\nFF0000, Red\n", {{0xFF, "Blue"}, {0xFF0000, "Red"}}},
    {"one CR before the LF is dropped, another stays", "FF0000, Red\r\r\n", {{0xFF0000, "Red\r"}}},
    {"a CR inside a line stays", "FF0000, Re\rd\r\n", {{0xFF0000, "Re\rd"}}},
    {"the last line needs no line end",
     "000000, Black\r\nFFFFFF, White",
     {{0, "Black"}, {0xFFFFFF, "White"}}},
    {"leading white space is skipped, trailing kept",
     " \t00FF00,\t\v\f Lime  \r\n",
     {{0x00FF00, "Lime  "}}},
    {"white space after the value ends the number", "00FF00  , Lime", {{0x00FF00, "Lime"}}},
    {"a third field is ignored", "FF00FF, Magenta, Fuchsia\r\n", {{0xFF00FF, "Magenta"}}},
    {"lower-case and short values read as zero-padded upper case",
     "00ff00, Lime\r\nff, Blue\r\nAbC, Mixed\r\n",
     {{0x00FF00, "Lime"}, {0xFF, "Blue"}, {0xABC, "Mixed"}}},
    // As scanf's "%X" reads them.
    {"a 0x prefix and a sign are taken",
     "0x1a, Prefixed\r\n-1, Negative\r\n+10, Positive",
     {{0x1A, "Prefixed"}, {0xFFFFFFFF, "Negative"}, {0x10, "Positive"}}},
    {"a number wider than eight digits keeps its last eight",
     "123456789, Wide",
     {{0x23456789, "Wide"}}},
    {"a value without hex digits is 0",
     "zz, Name\r\n, Empty value\r\n",
     {{0, "Name"}, {0, "Empty value"}}},
    {"a line without a name gets an empty one",
     "00FF00\r\n00FF00,\r\n00FF00,   \r\n",
     {{0x00FF00, ""}, {0x00FF00, ""}, {0x00FF00, ""}}},
    {"the empty last line adds nothing", "000000, Black\r\n\r\n", {{0, "Black"}}},
    {"empty text", "", {}},
    {"a NUL ends the text", "000000, Black\r\n\0FFFFFF, White\r\n"s, {{0, "Black"}}},
    {"a NUL inside a line ends the text there", "000000, Bl\0ack\r\nFFFFFF, White"s, {{0, "Bl"}}},
    {"a name keeps its first 63 characters, the rest of the field is skipped",
     "000000," + std::string(70, 'n') + ", third\r\n",
     {{0, std::string(63, 'n')}}},
    {"an overlong value is cut to 63 characters and the name is still read",
     std::string(70, '0') + "FF, Name\r\n",
     {{0, "Name"}}},
    // The first 511 characters hold "000001,A" and blanks; the rest of the line, which looks like
    // an entry of its own, is skipped up to the LF.
    {"a line keeps its first 511 characters and parsing goes on with the next line",
     "000001,A" + std::string(503, ' ') + "FFFFFF, Tail\r\n000002, Next\r\n",
     {{1, LongBlankName}, {2, "Next"}}},
    // The names end at character 511 and 512 of their lines.
    {"a line keeps exactly 511 characters",
     std::string(500, '0') + ",abcdefghij\n" + std::string(501, '0') + ",abcdefghij\n",
     {{0, "abcdefghij"}, {0, "abcdefghi"}}},
};

void PrintTo(const ParseCase& parseCase, std::ostream* out) {
    *out << parseCase.What;
}

class ParseColorDataCase : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseColorDataCase, GivesTheEntriesInOrder) {
    Reports.clear();
    EXPECT_EQ(Parse(GetParam().Text), GetParam().Expected);
    EXPECT_TRUE(Reports.empty());
}

INSTANTIATE_TEST_SUITE_P(Lines, ParseColorDataCase, testing::ValuesIn(ParseCases),
                         [](const testing::TestParamInfo<ParseCase>& info) {
                             return "Case" + std::to_string(info.index);
                         });

TEST(ParseColorData, FieldCountLimitsTheFieldsRead) {
    EXPECT_EQ(Parse("00FF00, Lime\r\n", 1), (std::vector<Entry>{{0x00FF00, ""}}));
    EXPECT_EQ(Parse("00FF00, Lime\r\n", 0), (std::vector<Entry>{{0, ""}}));
}

TEST(ParseColorData, GrowsPastThePresizedSlotsAndLosesNoEntry) {
    std::string text;
    for (int i = 0; i < 200; ++i) {
        text += std::to_string(i) + ", Name" + std::to_string(i) + "\r\n";
    }
    ColorDataTable table(150);
    ParseColorData(text, table, 2, RecordReport);
    ASSERT_EQ(table.size(), 200u);
    EXPECT_EQ(EntriesOf(table).front(), (Entry{0x0, "Name0"}));
    EXPECT_EQ(EntriesOf(table)[150], (Entry{0x150, "Name150"}));
    EXPECT_EQ(EntriesOf(table).back(), (Entry{0x199, "Name199"}));
}

TEST(ParseColorData, ShrinksThePresizedTableToTheEntriesParsed) {
    ColorDataTable table(150);
    ParseColorData("000000, Black\r\n", table, 2, RecordReport);
    ASSERT_EQ(table.size(), 1u);
    EXPECT_NE(table[0], nullptr);
}

int Allocations;
// Runs out of memory for the second entry only.
std::unique_ptr<ColorDataEntry> FailSecondAllocation() {
    return ++Allocations == 2 ? nullptr : NewColorDataEntry();
}

TEST(ParseColorData, ReportsAnEntryThatCannotBeAllocatedAndSkipsIt) {
    Reports.clear();
    Allocations = 0;
    ColorDataTable table(150);
    ParseColorData("000000, Black\r\n000080, Navy\r\n00008B, Dark Blue\r\n", table, 2, RecordReport,
                   FailSecondAllocation);
    EXPECT_EQ(Reports, std::vector<std::string>{"currentInfo is NULL!"});
    EXPECT_EQ(EntriesOf(table), (std::vector<Entry>{{0, "Black"}, {0x8B, "Dark Blue"}}));
}

} // namespace
