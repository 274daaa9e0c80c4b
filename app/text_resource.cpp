#include "app/text_resource.h"

#include "app/exception.h"
#include "res/resource_ids.h"

#include <string_view>

namespace {

[[noreturn]] void ThrowNotLoaded() {
    throw Exception{"The resource could not be found/loaded."};
}

} // namespace

std::string LoadTextResource(HINSTANCE module, int id) {
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(RT_COLOR_TABLE));
    if (!found) {
        ThrowNotLoaded();
    }
    HGLOBAL loaded = LoadResource(module, found);
    if (!loaded) {
        ThrowNotLoaded();
    }
    const char* bytes = static_cast<const char*>(LockResource(loaded));
    if (!bytes) {
        FreeResource(loaded);
        ThrowNotLoaded();
    }
    std::string_view stored(bytes, SizeofResource(module, found));
    std::string text(stored.substr(0, stored.find('\0')));
    UnlockResource(loaded);
    FreeResource(loaded);
    return text;
}
