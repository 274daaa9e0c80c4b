// Names that a picture source "#name" draws from the program's own bitmap resources, mapped to
// the resource identifier (its low 16 bits are used). The keys are not copied: a host registers
// names that live as long as the process, such as string literals. This program registers none.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>

// Case-sensitive order under the user's locale.
struct ltstr {
    bool operator()(const char* a, const char* b) const { return ::lstrcmpA(a, b) < 0; }
};

extern std::map<const char*, std::uint32_t, ltstr> ImageRegistry;
