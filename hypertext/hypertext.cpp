// Cutting the markup into tags. One pass: "<" opens a tag that runs to the next ">" (or to the end
// of the text when none follows), "&" opens an entity that takes an optional "#", the letters and
// digits after it and a ";" directly after those. Everything else is text and stays where it is.
// For example "a<B>b &amp; c" gives the tag B at 1..3 and the entity at 6..10, with the runs "a",
// "b " and " c".
#include "hypertext/hypertext.h"

#include "hypertext/char_class.h"
#include "hypertext/keywords.h"
#include "hypertext/out_of_memory.h"
#include "hypertext/tag_classes.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

namespace {

struct MarkupCopy {
    std::unique_ptr<char[]> Chars;
    std::size_t Length;
};

bool IsLineBreak(char c) {
    return c == '\r' || c == '\n';
}

// Line breaks of the source are dropped without a replacement: "a", CR, LF, "b" becomes "ab".
MarkupCopy CopyWithoutLineBreaks(std::string_view source) {
    source = source.substr(0, source.find('\0'));
    const auto breaks =
        static_cast<std::size_t>(std::count_if(source.begin(), source.end(), IsLineBreak));
    const std::size_t length = source.size() - breaks;
    // Tag positions are ints: a text they cannot index counts as a buffer that cannot grow.
    if (length > static_cast<std::size_t>(std::numeric_limits<int>::max()))
        ExitOutOfMemory();
    auto chars = std::make_unique<char[]>(length + 1);
    std::remove_copy_if(source.begin(), source.end(), chars.get(), IsLineBreak);
    return {std::move(chars), length};
}

std::size_t SkipToMarkup(const char* text, std::size_t from) {
    return from + std::strcspn(text + from, "<&");
}

// The first ">" after the "<" at `start`, or the terminating NUL.
std::size_t TagEnd(const char* text, std::size_t start, std::size_t length) {
    const char* const close = std::strchr(text + start + 1, '>');
    return close != nullptr ? static_cast<std::size_t>(close - text) : length;
}

// "&", an optional "#", letters and digits, and a ";" if one follows directly; otherwise the
// last character of that run. A lone "&" spans only itself.
std::size_t EntityEnd(const char* text, std::size_t start) {
    std::size_t j = start + 1;
    if (text[j] == '#')
        ++j;
    while (HTIsLetterOrDigit(text[j]))
        ++j;
    return text[j] == ';' ? j : j - 1;
}

// The tag names as views measured at compile time: the lookup runs for every tag of a text.
constexpr auto TagKeywords = [] {
    std::array<std::string_view, HTK_TAG_COUNT> names{};
    for (int type = 0; type < HTK_TAG_COUNT; ++type)
        names[static_cast<std::size_t>(type)] = HTKeywords[type];
    return names;
}();

constexpr std::size_t LongestTagKeyword = [] {
    std::size_t longest = 0;
    for (const std::string_view name : TagKeywords)
        longest = std::max(longest, name.size());
    return longest;
}();

// The upper-cased characters after the "<" up to white space or the tag's end. A name longer than
// every tag keyword can match none, so it is cut one character past that length.
std::string UpperTagName(const char* text, std::size_t start, std::size_t end) {
    std::string name;
    for (std::size_t k = start + 1;
         k < end && !HTIsWhiteSpace(text[k]) && name.size() <= LongestTagKeyword; ++k)
        name += HTToUpper(text[k]);
    return name;
}

} // namespace

HyperText::HyperText(std::string_view source) {
    SetText(source);
}

HyperText::~HyperText() {
    FreeTags();
}

void HyperText::SetText(std::string_view source) {
    ExitOnOutOfMemory([&] {
        // Copied before anything is freed: the source may be this document's own text.
        MarkupCopy copy = CopyWithoutLineBreaks(source);
        FreeTags();
        Text = std::move(copy.Chars);
        TextLength = copy.Length;
        Parse();
    });
}

std::string HyperText::GetText() const {
    return ExitOnOutOfMemory([&] { return std::string(Text.get(), TextLength); });
}

std::string_view HyperText::LeadingRun() const {
    const std::size_t end = Tags != nullptr ? static_cast<std::size_t>(Tags->Start) : TextLength;
    return {Text.get(), end};
}

std::string_view HyperText::RunAfter(const HyperTextTag& tag) const {
    const std::size_t begin = std::min(static_cast<std::size_t>(tag.End) + 1, TextLength);
    const std::size_t end =
        tag.Next != nullptr ? static_cast<std::size_t>(tag.Next->Start) : TextLength;
    return {Text.get() + begin, end - begin};
}

void HyperText::Parse() {
    const char* const text = Text.get();
    HyperTextTag* last = nullptr;
    std::size_t i = SkipToMarkup(text, 0);
    while (i < TextLength) {
        const bool isTag = text[i] == '<';
        const std::size_t end = isTag ? TagEnd(text, i, TextLength) : EntityEnd(text, i);
        const int type = isTag ? LookupTagKeyword(UpperTagName(text, i, end)) : HTK_SPCHR;
        HyperTextTag* const tag =
            CreateTag(type, static_cast<int>(i), static_cast<int>(end)).release();
        (last != nullptr ? last->Next : Tags) = tag;
        last = tag;
        i = end < TextLength ? SkipToMarkup(text, end + 1) : TextLength;
    }
}

void HyperText::FreeTags() {
    while (Tags != nullptr) {
        HyperTextTag* const first = Tags;
        Tags = first->Next;
        delete first;
    }
}

std::unique_ptr<HyperTextTag> HyperText::CreateTag(int type, int start, int end) const {
    const char* const text = Text.get();
    switch (type) {
    case HTK_FONT:
        return std::make_unique<HyperTextFontTag>(start, end, text);
    case HTK_IMG:
        return std::make_unique<HyperTextImageTag>(start, end, text);
    case HTK_SPCHR:
        return std::make_unique<HyperTextSpecialCharTag>(start, end, text);
    case HTK_A:
        return std::make_unique<HyperTextAnchorStartTag>(start, end, text);
    default:
        return std::make_unique<HyperTextTag>(type, start, end);
    }
}

// Only tag names are candidates, in table order; the empty entry 0 also answers an empty name.
int HyperText::LookupTagKeyword(std::string_view upperName) {
    for (std::size_t type = 0; type < TagKeywords.size(); ++type) {
        if (upperName == TagKeywords[type])
            return static_cast<int>(type);
    }
    return HTK_NONE;
}
