// The swatch paints nothing but its background: each special value of the background colour, a
// plain colour, and a repeated colour, read back as pixels.
#include "app/color_sample.h"
#include "framework/dialog.h"
#include "framework/gdi_object.h"
#include "res/resource_ids.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF Green = RGB(0, 200, 0);

// A 4 x 4 memory bitmap prefilled with green, to see what an erase changes.
class Canvas {
public:
    Canvas() : Dc(::CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), 4, 4, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        Bitmap = ::CreateDIBSection(Dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        Previous = ::SelectObject(Dc, Bitmap);
        Fill(Green);
    }
    ~Canvas() {
        ::SelectObject(Dc, Previous);
        ::DeleteObject(Bitmap);
        ::DeleteDC(Dc);
    }
    void Fill(COLORREF color) {
        TBrush brush(color);
        RECT all{0, 0, 4, 4};
        ::FillRect(Dc, &all, brush);
    }
    COLORREF Pixel() const { return ::GetPixel(Dc, 1, 1); }
    HDC Dc;

private:
    HBITMAP Bitmap;
    HGDIOBJ Previous;
};

class ColorSampleTest : public ::testing::Test {
protected:
    void SetUp() override {
        Sample = new TColorSample(&Dialog, IDC_SAMPLE);
        ASSERT_TRUE(Dialog.Create());
        ::ShowWindow(Dialog.GetHandle(), SW_SHOWNOACTIVATE);
        ::UpdateWindow(Dialog.GetHandle());
    }
    void TearDown() override { ::DestroyWindow(Dialog.GetHandle()); }

    LRESULT EraseInto(Canvas& canvas, TColor color) {
        Sample->SetBkgndColor(color);
        return ::SendMessageA(Sample->GetHandle(), WM_ERASEBKGND,
                              reinterpret_cast<WPARAM>(canvas.Dc), 0);
    }
    // What the swatch's window shows at its centre.
    COLORREF Shown() const {
        RECT r;
        ::GetClientRect(Sample->GetHandle(), &r);
        HDC dc = ::GetDC(Sample->GetHandle());
        COLORREF c = ::GetPixel(dc, r.right / 2, r.bottom / 2);
        ::ReleaseDC(Sample->GetHandle(), dc);
        return c;
    }

    TDialog Dialog{nullptr, IDD_DETECTOR};
    TColorSample* Sample = nullptr;
};

TEST_F(ColorSampleTest, PlainColourFillsTheClientAndBecomesTheBackgroundColour) {
    Canvas canvas;
    EXPECT_NE(0, EraseInto(canvas, RGB(10, 20, 30)));
    EXPECT_EQ(RGB(10, 20, 30), canvas.Pixel());
    EXPECT_EQ(RGB(10, 20, 30), ::GetBkColor(canvas.Dc));
}

TEST_F(ColorSampleTest, TransparentErasesNothingButCountsAsErased) {
    Canvas canvas;
    EXPECT_NE(0, EraseInto(canvas, TColorTransparent));
    EXPECT_EQ(Green, canvas.Pixel());
}

TEST_F(ColorSampleTest, NoColourLeavesErasingToTheStaticItself) {
    Canvas byDefault;
    LRESULT defaultResult = EraseInto(byDefault, TColorNone);
    // What the predefined static does with the message, asked directly.
    Canvas reference;
    auto staticProc =
        reinterpret_cast<WNDPROC>(::GetClassLongPtrA(Sample->GetHandle(), GCLP_WNDPROC));
    LRESULT referenceResult = ::CallWindowProcA(staticProc, Sample->GetHandle(), WM_ERASEBKGND,
                                                reinterpret_cast<WPARAM>(reference.Dc), 0);
    EXPECT_EQ(referenceResult, defaultResult);
    EXPECT_EQ(reference.Pixel(), byDefault.Pixel());
}

TEST_F(ColorSampleTest, InvalidColourGoesToTheBrushUnchanged) {
    Canvas canvas, reference;
    EraseInto(canvas, 0xFFFFFFFF);
    reference.Fill(0xFFFFFFFF);
    EXPECT_EQ(reference.Pixel(), canvas.Pixel());
}

TEST_F(ColorSampleTest, SetColorRepaintsAtOnceEvenForTheSameColour) {
    Sample->SetColor(RGB(200, 0, 0));
    EXPECT_EQ(RGB(200, 0, 0), Shown());

    HDC dc = ::GetDC(Sample->GetHandle());
    TBrush green(Green);
    RECT client;
    ::GetClientRect(Sample->GetHandle(), &client);
    ::FillRect(dc, &client, green);
    ::ReleaseDC(Sample->GetHandle(), dc);
    ASSERT_EQ(Green, Shown());

    Sample->SetColor(RGB(200, 0, 0));
    EXPECT_EQ(RGB(200, 0, 0), Shown());
}

} // namespace
