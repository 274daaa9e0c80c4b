// A memory device context compatible with another DC, owned: deleted with this object. Whatever
// is selected into it must be selected out before then (TSelectObject does that for a scope).
#ifndef QUORVEL_FRAMEWORK_MEMORY_DC_H
#define QUORVEL_FRAMEWORK_MEMORY_DC_H

#include "framework/dc.h"

class TMemoryDC : public TDC {
public:
    // Raises TXGdi when the system cannot make the context.
    explicit TMemoryDC(const TDC& compatible);
    ~TMemoryDC() override;
};

#endif
