#include "hypertext/out_of_memory.h"

#include <cstdio>
#include <cstdlib>

void ExitOutOfMemory() {
    std::fputs("out of memory\n", stderr);
    std::exit(1);
}
