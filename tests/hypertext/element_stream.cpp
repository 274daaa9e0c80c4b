#include "tests/hypertext/element_stream.h"

#include "hypertext/keywords.h"
#include "hypertext/tag_classes.h"

#include <algorithm>

namespace {

std::string DescribeTag(const HyperTextTag& tag) {
    std::string line = tag.Type == HTK_NONE ? "NONE" : HTKeywords[tag.Type];
    line += ' ' + std::to_string(tag.Start) + '-' + std::to_string(tag.End);
    if (tag.Type == HTK_SPCHR)
        line += " code=" + std::to_string(static_cast<const HyperTextSpecialCharTag&>(tag).Code);
    if (tag.Type == HTK_A)
        line += " href=" + static_cast<const HyperTextAnchorStartTag&>(tag).Href;
    return line;
}

} // namespace

std::vector<std::string> DescribeElements(const HyperText& document) {
    std::vector<std::string> lines;
    document.ForEachElement([&](const HyperTextTag* tag, std::string_view run) {
        if (tag != nullptr)
            lines.push_back(DescribeTag(*tag));
        lines.push_back("'" + std::string(run) + "'");
    });
    return lines;
}

std::string ReassembleMarkup(const HyperText& document) {
    const std::string_view text =
        document.Text ? std::string_view(document.Text.get()) : std::string_view();
    std::string markup;
    document.ForEachElement([&](const HyperTextTag* tag, std::string_view run) {
        if (tag != nullptr) {
            const auto start = static_cast<std::size_t>(tag->Start);
            const std::size_t stop = std::min(static_cast<std::size_t>(tag->End) + 1, text.size());
            markup += text.substr(start, stop - start);
        }
        markup += run;
    });
    return markup;
}
