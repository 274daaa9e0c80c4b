// Feeds arbitrary bytes to the hypertext document, through its constructor and SetText (with a
// new text and with its own), and checks what every parse must satisfy: the text is the input up
// to its first NUL without CR and LF, tags stand in order inside the text with a type from the
// tag names, entities start at "&" and carry a character from -1 to 999, and tags and runs
// together give back the text exactly. The sanitizers catch any read past the text's NUL.
#include "hypertext/hypertext.h"
#include "hypertext/keywords.h"
#include "hypertext/tag_classes.h"
#include "tests/hypertext/element_stream.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

std::string ExpectedText(std::string_view source) {
    std::string text;
    for (const char c : source.substr(0, source.find('\0'))) {
        if (c != '\r' && c != '\n')
            text += c;
    }
    return text;
}

void CheckTag(HyperTextTag& tag, const std::string& text, int previousEnd) {
    const auto length = static_cast<int>(text.size());
    Require(tag.Start > previousEnd && tag.Start <= tag.End && tag.End <= length);
    Require(tag.Type >= 0 && tag.Type < HTK_TAG_COUNT);
    Require(tag.VariableCount == static_cast<int>(tag.GetVariables().size()));
    const char first = text[static_cast<std::size_t>(tag.Start)];
    Require(first == '<' || first == '&');
    Require(first != '&' || tag.Type == HTK_SPCHR);
    if (tag.Type == HTK_SPCHR) {
        const int code = static_cast<const HyperTextSpecialCharTag&>(tag).Code;
        Require(code >= -1 && code <= 999);
    }
}

void CheckDocument(const HyperText& document, std::string_view source) {
    const std::string text = ExpectedText(source);
    Require(document.GetText() == text);
    int previousEnd = -1;
    for (HyperTextTag* tag = document.Tags; tag != nullptr; tag = tag->Next) {
        CheckTag(*tag, text, previousEnd);
        previousEnd = tag->End;
    }
    Require(ReassembleMarkup(document) == text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    HyperText document(input);
    CheckDocument(document, input);

    const std::string_view secondHalf = input.substr(size / 2);
    document.SetText(secondHalf);
    CheckDocument(document, secondHalf);

    const std::string held = document.GetText();
    document.SetText(document.Text.get());
    CheckDocument(document, held);
    return 0;
}
