// The hypertext document: one marked-up text and the tags found in it. The visible text is never
// copied: it is whatever lies between the tags, and readers take it from Text by the tags'
// positions, most simply through ForEachElement. The renderer derives from this class and reads
// Text and Tags directly, so they are public; neither is to be changed from outside.
#pragma once

#include "hypertext/tag.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

class HyperText {
public:
    HyperText() = default;
    // The markup is a C string: it ends at its first NUL.
    explicit HyperText(std::string_view source);
    HyperText(const HyperText&) = delete;
    HyperText& operator=(const HyperText&) = delete;
    ~HyperText();

    // Replaces the text and its tags; pointers to the old tags are invalid afterwards.
    void SetText(std::string_view source);
    // The markup as held: CR and LF removed; empty for a document never given a text.
    std::string GetText() const;

    // The text before the first tag (all of it when there is no tag).
    std::string_view LeadingRun() const;
    // The text from after `tag` up to the next tag or the end of the text; empty after a "<" that
    // is never closed.
    std::string_view RunAfter(const HyperTextTag& tag) const;

    // Calls visit(nullptr, leading run), then visit(tag, run after it) for each tag in order.
    template <class Visit> void ForEachElement(Visit&& visit) const {
        visit(static_cast<const HyperTextTag*>(nullptr), LeadingRun());
        for (const HyperTextTag* tag = Tags; tag != nullptr; tag = tag->Next)
            visit(tag, RunAfter(*tag));
    }

    // The markup without CR and LF, NUL-terminated, sized exactly; null until a text is set.
    std::unique_ptr<char[]> Text;
    // The first tag of the list linked through Next, in source order; owned.
    HyperTextTag* Tags = nullptr;

private:
    void Parse();
    void FreeTags();
    std::unique_ptr<HyperTextTag> CreateTag(int type, int start, int end) const;
    static int LookupTagKeyword(std::string_view upperName);

    std::size_t TextLength = 0;
};
