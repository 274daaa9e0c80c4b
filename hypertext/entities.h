// Character entities of the markup ("&amp;", "&#169;") and how the character of one is found.
#pragma once

struct HTEntity {
    const char* Name;
    unsigned char Code;
};

constexpr int HTEntityCount = 70;
extern const HTEntity HTEntities[HTEntityCount];

// The character that the entity written after an "&" stands for, or -1 for none. `afterAmpersand`
// points into NUL-terminated text; reading stops at the NUL.
int HTResolveEntity(const char* afterAmpersand);
