// One tag or entity of a hypertext document. The base class records where the tag stands in the
// document's text; subclasses carry what a tag says and declare their attributes as a list of
// HTTagVariable records, which the one attribute parser of the base class fills in. A tag is
// complete when its constructor returns; the document only links it to the next tag afterwards.
#pragma once

#include <vector>

// Kinds of attribute value.
constexpr int HTV_STRING = 0;
constexpr int HTV_INTEGER = 1;
constexpr int HTV_SIZE = 2;
constexpr int HTV_COLOR = 3;

// How a SIZE attribute was written.
constexpr int HTSIZE_NONE = 0;
constexpr int HTSIZE_ABSOLUTE = 1;
constexpr int HTSIZE_PLUS = 2;
constexpr int HTSIZE_MINUS = 3;

struct HTSize {
    int Value = 0;
    int Mode = HTSIZE_NONE;
};

// One declared attribute: its keyword (an entry of HTKeywords), the kind of its value and the
// member that receives it: a std::string for HTV_STRING, an int for HTV_INTEGER and HTV_COLOR,
// an HTSize for HTV_SIZE. It owns nothing and is valid only while its tag exists.
struct HTTagVariable {
    const char* Name;
    int Kind;
    void* Target;
};

class HyperTextTag {
public:
    HyperTextTag(int type, int start, int end);
    HyperTextTag(const HyperTextTag&) = delete;
    HyperTextTag& operator=(const HyperTextTag&) = delete;
    virtual ~HyperTextTag() = default;

    // The attributes the class declares, in its fixed order.
    virtual std::vector<HTTagVariable> GetVariables();
    // Called once when the attribute parser has filled the members.
    virtual void OnVariablesParsed(const std::vector<HTTagVariable>& list);

    int VariableCount = 0;
    int Type;
    // Indexes in the document's text of the tag's first character ("<" or "&") and its last.
    int Start;
    int End;
    HyperTextTag* Next = nullptr;

protected:
    // Reads the tag's attributes from the document's NUL-terminated text into the members that
    // `list` points at; see tag_attributes.cpp for its rules.
    void ParseVariables(const char* text, const std::vector<HTTagVariable>& list);
    // What a subclass constructor with attributes does: count the class's attributes and parse
    // them.
    void ParseDeclaredVariables(const char* text);
};
