// A thousand drawings of a document with every kind of element leave the GDI objects and the heap
// as they found them. Wine's GetGuiResources reports no GDI objects at all, so the count comes
// from the class library's owners (GdiObjectsOwned); the heap is counted by replacing the global
// allocation functions in this test program.
#include "tests/hypertext/drawing_probe.h"
#include "tests/hypertext/test_bitmap.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

namespace {

long LiveAllocations = 0;

} // namespace

void* operator new(std::size_t size) {
    void* p = std::malloc(size != 0 ? size : 1);
    if (p == nullptr)
        throw std::bad_alloc();
    ++LiveAllocations;
    return p;
}

void operator delete(void* p) noexcept {
    if (p != nullptr) {
        --LiveAllocations;
        std::free(p);
    }
}

void operator delete(void* p, std::size_t) noexcept {
    operator delete(p);
}

namespace {

TEST(Resources, TheAllocationCounterSeesAllocations) {
    const long before = LiveAllocations;
    auto* probe = new std::string(100, 'x');
    EXPECT_GT(LiveAllocations, before);
    delete probe;
    EXPECT_EQ(LiveAllocations, before);
}

TEST(Resources, AThousandDrawingsGiveBackWhatTheyTake) {
    const TempFile picture(BitmapFile(BandedWidth, BandedHeight, BandedColor));
    const TempFile broken(std::vector<BYTE>{'B', 'M', 1, 2, 3});
    const std::string markup =
        "Text <B>bold <I>italic</I></B> <U>u</U> <S>s</S> x<SUP>2</SUP> y<SUB>3</SUB><BR>"
        "<FONT FACE=Arial SIZE=+2 COLOR=#FF0000 BGCOLOR=#00FF00>font</FONT><TAB>&amp;&copy;&bad;"
        "<A HREF=x>link <B>bold</B></A> </I></FONT><BR><IMG SRC=\"" +
        picture.Path() + "\" SUBX=10 WIDTH=30> <IMG SRC=\"" + broken.Path() +
        "\"> <IMG SRC=#none> <IMG SRC=\"\"> <P><OL><LI>tail";
    WinHyperText document(markup);
    document.AreaWidth = 200;
    Canvas canvas(300, 200, RGB(255, 255, 255));
    const HGDIOBJ font = ::GetCurrentObject(canvas.Dc(), OBJ_FONT);
    const long gdiBefore = GdiObjectsOwned;
    document.Draw(canvas.Dc(), {0, 0}); // the lists keep their blocks from here on
    const long heapBefore = LiveAllocations;
    for (int i = 0; i < 1000; ++i)
        document.Draw(canvas.Dc(), {0, 0});
    EXPECT_EQ(GdiObjectsOwned, gdiBefore);
    EXPECT_EQ(LiveAllocations, heapBefore);
    EXPECT_EQ(::GetCurrentObject(canvas.Dc(), OBJ_FONT), font);
    EXPECT_EQ(document.Links.size(), 1u);
}

// The metafile sees every font the drawing creates, whatever makes it, and its deletion.
TEST(Resources, EveryFontIsDeleted) {
    WinHyperText document("<B>a<I>b<SUP>c<A HREF=x>d</B></FONT>e<FONT SIZE=3>f");
    const Recording drawn = RecordDrawing(document);
    EXPECT_EQ(drawn.FontsCreated.size(), 6u);
    EXPECT_EQ(drawn.FontsLeftUndeleted, 0);
}

} // namespace
