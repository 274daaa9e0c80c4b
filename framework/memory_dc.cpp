#include "framework/memory_dc.h"

#include "framework/gdi_exception.h"
#include "framework/gdi_object.h"

TMemoryDC::TMemoryDC(const TDC& compatible) : TDC(::CreateCompatibleDC(compatible.GetHDC())) {
    if (GetHDC() == nullptr)
        throw TXGdi("CreateCompatibleDC failed");
    ++GdiObjectsOwned;
}

TMemoryDC::~TMemoryDC() {
    ::DeleteDC(GetHDC());
    --GdiObjectsOwned;
}
