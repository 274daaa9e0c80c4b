#include "hypertext/tag_classes.h"

#include "hypertext/entities.h"
#include "hypertext/keywords.h"

HyperTextFontTag::HyperTextFontTag(int start, int end, const char* text)
    : HyperTextTag(HTK_FONT, start, end) {
    ParseDeclaredVariables(text);
}

std::vector<HTTagVariable> HyperTextFontTag::GetVariables() {
    return {
        {HTKeywords[HTK_FACE], HTV_STRING, &Face},
        {HTKeywords[HTK_SIZE], HTV_SIZE, &Size},
        {HTKeywords[HTK_COLOR], HTV_COLOR, &Color},
        {HTKeywords[HTK_BGCOLOR], HTV_COLOR, &BgColor},
    };
}

HyperTextImageTag::HyperTextImageTag(int start, int end, const char* text)
    : HyperTextTag(HTK_IMG, start, end) {
    ParseDeclaredVariables(text);
}

std::vector<HTTagVariable> HyperTextImageTag::GetVariables() {
    return {
        {HTKeywords[HTK_SRC], HTV_STRING, &Src},
        {HTKeywords[HTK_WIDTH], HTV_INTEGER, &Width},
        {HTKeywords[HTK_HEIGHT], HTV_INTEGER, &Height},
        {HTKeywords[HTK_SUBX], HTV_INTEGER, &SubX},
        {HTKeywords[HTK_SUBY], HTV_INTEGER, &SubY},
        {HTKeywords[HTK_SUBWIDTH], HTV_INTEGER, &SubWidth},
        {HTKeywords[HTK_SUBHEIGHT], HTV_INTEGER, &SubHeight},
    };
}

HyperTextSpecialCharTag::HyperTextSpecialCharTag(int start, int end, const char* text)
    : HyperTextTag(HTK_SPCHR, start, end) {
    if (text[start] == '&')
        Code = HTResolveEntity(text + start + 1);
}

HyperTextAnchorStartTag::HyperTextAnchorStartTag(int start, int end, const char* text)
    : HyperTextTag(HTK_A, start, end) {
    ParseDeclaredVariables(text);
}

std::vector<HTTagVariable> HyperTextAnchorStartTag::GetVariables() {
    return {{HTKeywords[HTK_HREF], HTV_STRING, &Href}};
}
