#include "hypertext/tag.h"

HyperTextTag::HyperTextTag(int type, int start, int end) : Type(type), Start(start), End(end) {}

std::vector<HTTagVariable> HyperTextTag::GetVariables() {
    return {};
}

void HyperTextTag::OnVariablesParsed(const std::vector<HTTagVariable>&) {}

void HyperTextTag::ParseDeclaredVariables(const char* text) {
    const std::vector<HTTagVariable> list = GetVariables();
    VariableCount = static_cast<int>(list.size());
    ParseVariables(text, list);
}
