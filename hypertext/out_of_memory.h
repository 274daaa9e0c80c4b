// The program's answer to a container that cannot grow: say "out of memory" on the standard error
// stream and end with status 1. Entry points that may allocate wrap their work in
// ExitOnOutOfMemory rather than catching std::bad_alloc themselves.
#pragma once

#include <new>
#include <utility>

[[noreturn]] void ExitOutOfMemory();

template <class Work> decltype(auto) ExitOnOutOfMemory(Work&& work) {
    try {
        return std::forward<Work>(work)();
    } catch (const std::bad_alloc&) {
        ExitOutOfMemory();
    }
}
