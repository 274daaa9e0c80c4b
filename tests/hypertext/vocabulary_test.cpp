// The keyword and entity tables, the byte classes, and how tag names and entities are looked up.
#include "hypertext/char_class.h"
#include "hypertext/entities.h"
#include "hypertext/hypertext.h"
#include "hypertext/keywords.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct KeywordRow {
    HTKeyword Index;
    const char* Name;
};

const KeywordRow AllKeywords[] = {
    {HTK_NONE, ""},
    {HTK_COMMENT, "!--"},
    {HTK_BR, "BR"},
    {HTK_TAB, "TAB"},
    {HTK_B, "B"},
    {HTK_B_END, "/B"},
    {HTK_I, "I"},
    {HTK_I_END, "/I"},
    {HTK_U, "U"},
    {HTK_U_END, "/U"},
    {HTK_S, "S"},
    {HTK_S_END, "/S"},
    {HTK_SUP, "SUP"},
    {HTK_SUP_END, "/SUP"},
    {HTK_SUB, "SUB"},
    {HTK_SUB_END, "/SUB"},
    {HTK_FONT, "FONT"},
    {HTK_FONT_END, "/FONT"},
    {HTK_P, "P"},
    {HTK_IMG, "IMG"},
    {HTK_SPCHR, "SPCHR"},
    {HTK_A, "A"},
    {HTK_A_END, "/A"},
    {HTK_OL, "OL"},
    {HTK_OL_END, "/OL"},
    {HTK_UL, "UL"},
    {HTK_UL_END, "/UL"},
    {HTK_LI, "LI"},
    {HTK_BOX, "BOX"},
    {HTK_BOX_END, "/BOX"},
    {HTK_MARGIN, "MARGIN"},
    {HTK_FACE, "FACE"},
    {HTK_SIZE, "SIZE"},
    {HTK_COLOR, "COLOR"},
    {HTK_BGCOLOR, "BGCOLOR"},
    {HTK_ALIGN, "ALIGN"},
    {HTK_LEFT, "LEFT"},
    {HTK_RIGHT, "RIGHT"},
    {HTK_HREF, "HREF"},
    {HTK_SRC, "SRC"},
    {HTK_WIDTH, "WIDTH"},
    {HTK_HEIGHT, "HEIGHT"},
    {HTK_SUBX, "SUBX"},
    {HTK_SUBY, "SUBY"},
    {HTK_SUBWIDTH, "SUBWIDTH"},
    {HTK_SUBHEIGHT, "SUBHEIGHT"},
};

const HTEntity AllEntities[] = {
    {"lt", 60},      {"gt", 62},      {"amp", 38},     {"quot", 34},    {"Aacute", 193},
    {"Agrave", 192}, {"Acirc", 194},  {"Atilde", 195}, {"Aring", 197},  {"Auml", 196},
    {"AElig", 198},  {"Ccedil", 199}, {"Eacute", 201}, {"Egrave", 200}, {"Ecirc", 202},
    {"Euml", 203},   {"Iacute", 205}, {"Igrave", 204}, {"Icirc", 206},  {"Iuml", 207},
    {"ETH", 208},    {"Ntilde", 209}, {"Oacute", 211}, {"Ograve", 210}, {"Ocirc", 212},
    {"Otilde", 213}, {"Ouml", 214},   {"Oslash", 216}, {"Uacute", 218}, {"Ugrave", 217},
    {"Ucirc", 219},  {"Uuml", 220},   {"Yacute", 221}, {"THORN", 222},  {"Szlig", 223},
    {"aacute", 225}, {"agrave", 224}, {"acirc", 226},  {"atilde", 227}, {"aring", 229},
    {"auml", 228},   {"aelig", 230},  {"ccedil", 231}, {"eacute", 233}, {"egrave", 232},
    {"ecirc", 234},  {"euml", 235},   {"iacute", 237}, {"igrave", 236}, {"icirc", 238},
    {"iuml", 239},   {"eth", 240},    {"ntilde", 241}, {"oacute", 243}, {"ograve", 242},
    {"ocirc", 244},  {"otilde", 245}, {"ouml", 246},   {"oslash", 248}, {"uacute", 250},
    {"ugrave", 249}, {"ucirc", 251},  {"uuml", 252},   {"yacute", 253}, {"thorn", 254},
    {"yuml", 255},   {"reg", 174},    {"copy", 169},   {"trade", 174},  {"nbsp", 32},
};

// The type the parser gives a tag written with this name.
int TypeOfTagNamed(const std::string& name) {
    const HyperText document("<" + name + ">");
    return document.Tags->Type;
}

TEST(Vocabulary, EveryKeywordStandsAtItsIndexAndOnlyTagNamesAreTagTypes) {
    ASSERT_EQ(std::size(AllKeywords), std::size(HTKeywords));
    for (std::size_t row = 0; row < std::size(AllKeywords); ++row) {
        const KeywordRow& keyword = AllKeywords[row];
        SCOPED_TRACE(keyword.Name);
        EXPECT_EQ(static_cast<std::size_t>(keyword.Index), row);
        EXPECT_STREQ(HTKeywords[keyword.Index], keyword.Name);
        const int expectedType = keyword.Index < HTK_TAG_COUNT ? keyword.Index : HTK_NONE;
        EXPECT_EQ(TypeOfTagNamed(keyword.Name), expectedType);
    }
}

TEST(Vocabulary, EveryEntityStandsAtItsIndexAndResolvesToItsCode) {
    ASSERT_EQ(std::size(AllEntities), std::size(HTEntities));
    for (std::size_t row = 0; row < std::size(AllEntities); ++row) {
        SCOPED_TRACE(AllEntities[row].Name);
        EXPECT_STREQ(HTEntities[row].Name, AllEntities[row].Name);
        EXPECT_EQ(HTEntities[row].Code, AllEntities[row].Code);
        EXPECT_EQ(HTResolveEntity(AllEntities[row].Name), AllEntities[row].Code);
    }
}

TEST(Vocabulary, ByteClassesAreAsciiOnly) {
    struct Row {
        char Byte;
        bool WhiteSpace, Letter, Digit, HexDigit;
    };
    const Row rows[] = {
        {' ', true, false, false, false},     {'\t', true, false, false, false},
        {'\v', true, false, false, false},    {'\f', true, false, false, false},
        {'\r', true, false, false, false},    {'\0', false, false, false, false},
        {'\x08', false, false, false, false}, {'\x0E', false, false, false, false},
        {'A', false, true, false, true},      {'F', false, true, false, true},
        {'G', false, true, false, false},     {'z', false, true, false, false},
        {'f', false, true, false, true},      {'0', false, false, true, true},
        {'9', false, false, true, true},      {'@', false, false, false, false},
        {'[', false, false, false, false},    {'`', false, false, false, false},
        {'{', false, false, false, false},    {'/', false, false, false, false},
        {':', false, false, false, false},    {'\x85', false, false, false, false},
        {'\xA0', false, false, false, false}, {'\xC9', false, false, false, false},
        {'\xE9', false, false, false, false}, {'\xFF', false, false, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(static_cast<int>(static_cast<unsigned char>(row.Byte)));
        EXPECT_EQ(HTIsWhiteSpace(row.Byte), row.WhiteSpace);
        EXPECT_EQ(HTIsLetter(row.Byte), row.Letter);
        EXPECT_EQ(HTIsDigit(row.Byte), row.Digit);
        EXPECT_EQ(HTIsLetterOrDigit(row.Byte), row.Letter || row.Digit);
        EXPECT_EQ(HTIsHexDigit(row.Byte), row.HexDigit);
    }
    EXPECT_EQ(HTHexDigitValue('7'), 7u);
    EXPECT_EQ(HTHexDigitValue('b'), 11u);
    EXPECT_EQ(HTHexDigitValue('F'), 15u);
}

TEST(Vocabulary, UpperCasingChangesOnlyAsciiSmallLetters) {
    EXPECT_EQ(HTToUpper('a'), 'A');
    EXPECT_EQ(HTToUpper('z'), 'Z');
    for (const char unchanged : {'A', '`', '{', '0', '!', '\xE9', '\xFF'})
        EXPECT_EQ(HTToUpper(unchanged), unchanged);
}

TEST(Vocabulary, TagNamesMatchWithoutRegardToCaseButOtherwiseExactly) {
    struct Row {
        const char* Markup;
        int Type;
    };
    const Row rows[] = {
        {"<br>", HTK_BR},          {"<Br>", HTK_BR},
        {"<BR >", HTK_BR},         {"<BR\tclear=all>", HTK_BR},
        {"<BR/>", HTK_NONE},       {"<font>", HTK_FONT},
        {"<FONT,>", HTK_NONE},     {"<MARGIN>", HTK_MARGIN},
        {"<MARGINS>", HTK_NONE}, // longer than every keyword
        {"<FACE>", HTK_NONE},    // attribute names are never tag names
        {"<HREF>", HTK_NONE},      {"<>", HTK_NONE},
        {"< B>", HTK_NONE},        {"<!-- note -->", HTK_COMMENT},
        {"<!--note-->", HTK_NONE}, {"<B\xA0>", HTK_NONE}, // a byte above 127 is not white space
        {"<\xE9>", HTK_NONE},      {"<B", HTK_B}, // unclosed: the name runs to the end of the text
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Markup);
        const HyperText document(row.Markup);
        ASSERT_NE(document.Tags, nullptr);
        EXPECT_EQ(document.Tags->Type, row.Type);
    }
}

TEST(Vocabulary, EntitiesResolveByNameOrByUpToThreeDecimalDigits) {
    struct Row {
        const char* AfterAmpersand;
        int Code;
    };
    const Row rows[] = {
        {"amp;", 38},
        {"AMP;", -1},
        {"Szlig;", 223},
        {"szlig;", -1},
        {"trade;", 174},
        {"reg;", 174},
        {"nbsp;", 32},
        {"lt", 60},
        {"copy2", 169},  // the name stops before
                         // the digit
        {"ampx;", -1},   // the name is every letter
        {"am\xE9;", -1}, // a byte above 127 ends the name
        {"#169;", 169},
        {"#65", 65},
        {"#0065;", 6},
        {"#9999", 999},
        {"#;", -1},
        {"#x41;", -1},
        {"#", -1},
        {"", -1},
        {";", -1},
        {" amp", -1},
        {"1", -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.AfterAmpersand);
        EXPECT_EQ(HTResolveEntity(row.AfterAmpersand), row.Code);
    }
}

} // namespace
