// Byte classes of the markup scanner. They are fixed ASCII sets rather than <cctype> calls, so a
// locale never changes how markup parses and bytes 128 to 255 (negative as a plain char on our
// targets) belong to no class.
#pragma once

inline constexpr bool HTIsWhiteSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

inline constexpr bool HTIsDigit(char c) {
    return c >= '0' && c <= '9';
}

inline constexpr bool HTIsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

inline constexpr bool HTIsLetterOrDigit(char c) {
    return HTIsLetter(c) || HTIsDigit(c);
}

inline constexpr bool HTIsHexDigit(char c) {
    return HTIsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// Value of a byte for which HTIsHexDigit holds.
inline constexpr unsigned HTHexDigitValue(char c) {
    if (HTIsDigit(c))
        return static_cast<unsigned>(c - '0');
    return static_cast<unsigned>((c | 0x20) - 'a' + 10);
}

inline constexpr char HTToUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
