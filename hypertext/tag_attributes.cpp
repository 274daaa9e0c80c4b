// The attribute parser of HyperTextTag. It is a deliberately simple scanner, and markup written
// for it relies on its quirks, so they are kept:
//  - a name runs to white space or "=", not to ">", so it may run past the tag; the scan then
//    ends because it stands beyond the tag's end;
//  - the character after a name is taken even when it is not "=": in "<FONT BOLD SIZE=3>" the
//    "S" goes with BOLD and "IZE" matches nothing;
//  - the value of an unknown attribute is not skipped but read as the next name, so in
//    "<FONT REM=x SIZE=3>" the name "x" takes the "S" and SIZE is lost too;
//  - SIZE appends its digits to the number it already holds ("SIZE=1 SIZE=2" is 12) and a string
//    attribute given twice is joined.
// Every scan stops at the text's NUL, wherever the tag ends. Numbers are computed in unsigned
// 32-bit arithmetic and stored wrapped, so a long digit run cannot overflow a signed int.
#include "hypertext/tag.h"

#include "hypertext/char_class.h"
#include "hypertext/keywords.h"

#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

namespace {

static_assert(std::numeric_limits<int>::digits == 31, "attribute numbers are 32-bit");

// The two's-complement reading of `bits`, spelled out because converting an unsigned value above
// INT_MAX to int is implementation-defined before C++20.
int WrapToInt(std::uint32_t bits) {
    if (bits <= static_cast<std::uint32_t>(std::numeric_limits<int>::max()))
        return static_cast<int>(bits);
    return -static_cast<int>(~bits) - 1;
}

const char* SkipWhiteSpace(const char* p) {
    while (HTIsWhiteSpace(*p))
        ++p;
    return p;
}

// Appends the run of decimal digits at `p` to `value` (value * 10 + digit for each).
const char* AppendDigits(const char* p, int& value) {
    auto bits = static_cast<std::uint32_t>(value);
    for (; HTIsDigit(*p); ++p)
        bits = bits * 10u + static_cast<std::uint32_t>(*p - '0');
    value = WrapToInt(bits);
    return p;
}

// A quoted value ends at the next double quote or ">", which is consumed; a bare one ends before
// white space or ">".
const char* ReadString(const char* p, std::string& target) {
    if (*p == '"') {
        const char* const begin = ++p;
        while (*p != '\0' && *p != '"' && *p != '>')
            ++p;
        target.append(begin, p);
        return *p == '\0' ? p : p + 1;
    }
    const char* const begin = p;
    while (*p != '\0' && !HTIsWhiteSpace(*p) && *p != '>')
        ++p;
    target.append(begin, p);
    return p;
}

// The sign is skipped and ignored: "WIDTH=-20" is 20. Without digits the default stays.
const char* ReadInteger(const char* p, int& target) {
    if (*p == '+' || *p == '-')
        ++p;
    if (!HTIsDigit(*p))
        return p;
    target = 0;
    return AppendDigits(p, target);
}

const char* ReadSize(const char* p, HTSize& target) {
    if (*p == '+') {
        target.Mode = HTSIZE_PLUS;
        ++p;
    } else if (*p == '-') {
        target.Mode = HTSIZE_MINUS;
        ++p;
    } else {
        target.Mode = HTSIZE_ABSOLUTE;
    }
    p = AppendDigits(p, target.Value);
    return *p == '%' ? p + 1 : p;
}

// RRGGBB as written, optionally after "#"; colour names are not known.
const char* ReadColor(const char* p, int& target) {
    if (*p == '#')
        ++p;
    if (!HTIsHexDigit(*p))
        return p;
    std::uint32_t bits = 0;
    for (; HTIsHexDigit(*p); ++p)
        bits = bits * 16u + HTHexDigitValue(*p);
    target = WrapToInt(bits);
    return p;
}

const char* ReadValue(const char* p, const HTTagVariable& variable) {
    switch (variable.Kind) {
    case HTV_STRING:
        return ReadString(p, *static_cast<std::string*>(variable.Target));
    case HTV_INTEGER:
        return ReadInteger(p, *static_cast<int*>(variable.Target));
    case HTV_SIZE:
        return ReadSize(p, *static_cast<HTSize*>(variable.Target));
    case HTV_COLOR:
        return ReadColor(p, *static_cast<int*>(variable.Target));
    default:
        return p;
    }
}

// Attribute names are matched case-insensitively against the upper-case keywords.
bool NameMatches(std::string_view written, const char* keyword) {
    std::size_t k = 0;
    for (; k < written.size(); ++k) {
        if (keyword[k] == '\0' || HTToUpper(written[k]) != keyword[k])
            return false;
    }
    return keyword[k] == '\0';
}

const HTTagVariable* FindVariable(const std::vector<HTTagVariable>& list, std::string_view name) {
    for (const HTTagVariable& variable : list) {
        if (NameMatches(name, variable.Name))
            return &variable;
    }
    return nullptr;
}

} // namespace

void HyperTextTag::ParseVariables(const char* text, const std::vector<HTTagVariable>& list) {
    const char* p = text + Start + 1 + std::strlen(HTKeywords[Type]);
    const char* const limit = text + End;
    while (p < limit) {
        p = SkipWhiteSpace(p);
        const char* const name = p;
        while (*p != '\0' && !HTIsWhiteSpace(*p) && *p != '=')
            ++p;
        const std::string_view written(name, static_cast<std::size_t>(p - name));
        p = SkipWhiteSpace(p);
        if (*p == '\0')
            break;
        if (*p++ != '=')
            continue;
        p = SkipWhiteSpace(p);
        if (const HTTagVariable* variable = FindVariable(list, written))
            p = ReadValue(p, *variable);
    }
    OnVariablesParsed(list);
}
