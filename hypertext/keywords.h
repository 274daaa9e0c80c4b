// The markup's keyword table. A tag's type is the index of its name here, so the order is fixed:
// tag names first (indexes 0 to 30, each closing tag directly after its opening one), then the
// attribute names that tag classes point at. The enumeration names those indexes; a unit test
// checks every name against its entry.
#pragma once

#include <cstddef>

enum HTKeyword : int {
    HTK_NONE,
    HTK_COMMENT,
    HTK_BR,
    HTK_TAB,
    HTK_B,
    HTK_B_END,
    HTK_I,
    HTK_I_END,
    HTK_U,
    HTK_U_END,
    HTK_S,
    HTK_S_END,
    HTK_SUP,
    HTK_SUP_END,
    HTK_SUB,
    HTK_SUB_END,
    HTK_FONT,
    HTK_FONT_END,
    HTK_P,
    HTK_IMG,
    HTK_SPCHR,
    HTK_A,
    HTK_A_END,
    HTK_OL,
    HTK_OL_END,
    HTK_UL,
    HTK_UL_END,
    HTK_LI,
    HTK_BOX,
    HTK_BOX_END,
    HTK_MARGIN,
    HTK_FACE,
    HTK_SIZE,
    HTK_COLOR,
    HTK_BGCOLOR,
    HTK_ALIGN,
    HTK_LEFT,
    HTK_RIGHT,
    HTK_HREF,
    HTK_SRC,
    HTK_WIDTH,
    HTK_HEIGHT,
    HTK_SUBX,
    HTK_SUBY,
    HTK_SUBWIDTH,
    HTK_SUBHEIGHT,
    HTK_COUNT
};

// Entries below this index are tag names and so tag types; the rest are attribute names.
constexpr int HTK_TAG_COUNT = HTK_FACE;

// Ten to a row, so that an entry's index is easy to read off.
inline constexpr const char* HTKeywords[] = {
    "",       "!--",    "BR",   "TAB",   "B",        "/B",        "I",    "/I",    "U",    "/U",
    "S",      "/S",     "SUP",  "/SUP",  "SUB",      "/SUB",      "FONT", "/FONT", "P",    "IMG",
    "SPCHR",  "A",      "/A",   "OL",    "/OL",      "UL",        "/UL",  "LI",    "BOX",  "/BOX",
    "MARGIN", "FACE",   "SIZE", "COLOR", "BGCOLOR",  "ALIGN",     "LEFT", "RIGHT", "HREF", "SRC",
    "WIDTH",  "HEIGHT", "SUBX", "SUBY",  "SUBWIDTH", "SUBHEIGHT",
};
static_assert(sizeof(HTKeywords) / sizeof(HTKeywords[0]) == HTK_COUNT,
              "one keyword per index of HTKeyword");
