// Readable views of a parsed document for the tests and the fuzzer: the element stream as one
// line per element, and the markup rebuilt from the stream (which must give back the document's
// text exactly when tags and runs tile it without gap or overlap).
#pragma once

#include "hypertext/hypertext.h"

#include <string>
#include <vector>

// Runs as 'text'; tags as "KEYWORD start-end" ("NONE" for type 0), with the character of an
// entity and the target of a link: "SPCHR 2-3 code=-1", "A 0-11 href=x".
std::vector<std::string> DescribeElements(const HyperText& document);

// Each run and each tag's span (from its "<" or "&" to its last character, the NUL excluded) in
// stream order.
std::string ReassembleMarkup(const HyperText& document);
