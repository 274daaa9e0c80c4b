// Named entities are compared case-sensitively, so capital and small letters have rows of their
// own. Three rows look wrong and are meant: "Szlig" has a capital S, "trade" shares code 174 with
// "reg", and "nbsp" is an ordinary space (32).
#include "hypertext/entities.h"

#include "hypertext/char_class.h"

#include <string_view>

const HTEntity HTEntities[HTEntityCount] = {
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

namespace {

constexpr int NoCharacter = -1;

// A name is the run of letters only: "&copy2" is "copy" followed by the text "2".
int NamedEntity(const char* name) {
    std::size_t length = 0;
    while (HTIsLetter(name[length]))
        ++length;
    const std::string_view written(name, length);
    for (const HTEntity& entity : HTEntities) {
        if (written == entity.Name)
            return entity.Code;
    }
    return NoCharacter;
}

// At most three decimal digits count: "&#0065;" is character 6.
int NumericEntity(const char* digits) {
    if (!HTIsDigit(digits[0]))
        return NoCharacter;
    int code = 0;
    for (int k = 0; k < 3 && HTIsDigit(digits[k]); ++k)
        code = code * 10 + (digits[k] - '0');
    return code;
}

} // namespace

int HTResolveEntity(const char* afterAmpersand) {
    if (HTIsLetter(afterAmpersand[0]))
        return NamedEntity(afterAmpersand);
    if (afterAmpersand[0] == '#')
        return NumericEntity(afterAmpersand + 1);
    return NoCharacter;
}
