#include "hypertext/image_registry.h"

std::map<const char*, std::uint32_t, ltstr> ImageRegistry;
