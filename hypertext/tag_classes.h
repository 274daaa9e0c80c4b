// The tags that carry something: FONT, IMG and A hold their attribute values, an entity holds its
// character. Each takes the tag's first and last index and the document's whole NUL-terminated
// text, and reads what it needs at once. Readers select the class by the tag's Type.
#pragma once

#include "hypertext/tag.h"

#include <string>

class HyperTextFontTag : public HyperTextTag {
public:
    HyperTextFontTag(int start, int end, const char* text);
    std::vector<HTTagVariable> GetVariables() override;

    std::string Face;
    HTSize Size;
    // 0xRRGGBB as written in the markup; -1 when not given.
    int Color = -1;
    int BgColor = -1;
};

class HyperTextImageTag : public HyperTextTag {
public:
    HyperTextImageTag(int start, int end, const char* text);
    std::vector<HTTagVariable> GetVariables() override;

    std::string Src;
    int Width = -1;
    int Height = -1;
    int SubX = 0;
    int SubY = 0;
    int SubWidth = -1;
    int SubHeight = -1;
};

// An entity ("&amp;", "&#169;") or a "<SPCHR>" tag, which names no character.
class HyperTextSpecialCharTag : public HyperTextTag {
public:
    HyperTextSpecialCharTag(int start, int end, const char* text);

    // The character, 0 to 999; -1 when the entity is unknown.
    int Code = -1;
};

class HyperTextAnchorStartTag : public HyperTextTag {
public:
    HyperTextAnchorStartTag(int start, int end, const char* text);
    std::vector<HTTagVariable> GetVariables() override;

    // The link target.
    std::string Href;
};
