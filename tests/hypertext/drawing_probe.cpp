#include "tests/hypertext/drawing_probe.h"

#include <map>
#include <stdexcept>

namespace {

std::string ToAnsi(const WCHAR* text, int length) {
    std::string ansi(static_cast<std::size_t>(length) * 2, '\0');
    const int written = ::WideCharToMultiByte(CP_ACP, 0, text, length, ansi.data(),
                                              static_cast<int>(ansi.size()), nullptr, nullptr);
    ansi.resize(static_cast<std::size_t>(written));
    return ansi;
}

// Walks the records in order, keeping the metafile's object table and the DC state that the
// text records need.
class RecordReader {
public:
    Recording Result;

    void Read(const ENHMETARECORD& record) {
        switch (record.iType) {
        case EMR_EXTCREATEFONTINDIRECTW: {
            const auto& r = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW&>(record);
            Fonts[r.ihFont] = r.elfw.elfLogFont;
            LiveFonts[r.ihFont] = true;
            Result.FontsCreated.push_back(r.elfw.elfLogFont);
            break;
        }
        case EMR_SELECTOBJECT: {
            const DWORD index = reinterpret_cast<const EMRSELECTOBJECT&>(record).ihObject;
            if (Fonts.count(index) != 0)
                CurrentFont = Fonts[index];
            break;
        }
        case EMR_DELETEOBJECT:
            LiveFonts.erase(reinterpret_cast<const EMRDELETEOBJECT&>(record).ihObject);
            break;
        case EMR_SETTEXTCOLOR:
            TextColor = reinterpret_cast<const EMRSETTEXTCOLOR&>(record).crColor;
            break;
        case EMR_EXTTEXTOUTW: {
            const auto& r = reinterpret_cast<const EMREXTTEXTOUTW&>(record);
            const auto* text = reinterpret_cast<const WCHAR*>(
                reinterpret_cast<const BYTE*>(&record) + r.emrtext.offString);
            AddText(ToAnsi(text, static_cast<int>(r.emrtext.nChars)), r.emrtext);
            break;
        }
        case EMR_EXTTEXTOUTA: {
            const auto& r = reinterpret_cast<const EMREXTTEXTOUTA&>(record);
            const char* text = reinterpret_cast<const char*>(&record) + r.emrtext.offString;
            AddText(std::string(text, r.emrtext.nChars), r.emrtext);
            break;
        }
        case EMR_STRETCHBLT: {
            const auto& r = reinterpret_cast<const EMRSTRETCHBLT&>(record);
            Result.Blits.push_back({{r.xDest, r.yDest, r.xDest + r.cxDest, r.yDest + r.cyDest},
                                    {r.xSrc, r.ySrc, r.xSrc + r.cxSrc, r.ySrc + r.cySrc}});
            break;
        }
        default:
            break;
        }
    }

    void Finish() { Result.FontsLeftUndeleted = static_cast<int>(LiveFonts.size()); }

private:
    void AddText(std::string text, const EMRTEXT& where) {
        const POINT at{where.ptlReference.x, where.ptlReference.y};
        Result.Texts.push_back({std::move(text), at, CurrentFont, TextColor});
    }

    std::map<DWORD, LOGFONTW> Fonts;
    std::map<DWORD, bool> LiveFonts;
    LOGFONTW CurrentFont{};
    COLORREF TextColor = RGB(0, 0, 0);
};

int CALLBACK ReadRecord(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM reader) {
    reinterpret_cast<RecordReader*>(reader)->Read(*record);
    return 1;
}

} // namespace

Recording RecordDrawing(WinHyperText& document, POINT start) {
    const HDC recorder = ::CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    if (recorder == nullptr)
        throw std::runtime_error("CreateEnhMetaFileA failed");
    {
        TDC dc(recorder);
        document.Draw(dc, start);
    }
    const HENHMETAFILE metafile = ::CloseEnhMetaFile(recorder);
    RecordReader reader;
    ::EnumEnhMetaFile(nullptr, metafile, ReadRecord, &reader, nullptr);
    ::DeleteEnhMetaFile(metafile);
    reader.Finish();
    return reader.Result;
}

SIZE MeasureText(const LOGFONTW& font, const std::string& text) {
    const HDC dc = ::CreateCompatibleDC(nullptr);
    const HFONT handle = ::CreateFontIndirectW(&font);
    const HGDIOBJ previous = ::SelectObject(dc, handle);
    SIZE size{0, 0};
    ::GetTextExtentPointA(dc, text.data(), static_cast<int>(text.size()), &size);
    ::SelectObject(dc, previous);
    ::DeleteObject(handle);
    ::DeleteDC(dc);
    return size;
}

Canvas::Canvas(int width, int height, COLORREF background)
    : Width(width), Height(height), Memory(::CreateCompatibleDC(nullptr)), Context(Memory) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down: row y starts at y * width
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    Bitmap = ::CreateDIBSection(Memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (Bitmap == nullptr)
        throw std::runtime_error("CreateDIBSection failed");
    Bits = static_cast<const DWORD*>(bits);
    PreviousBitmap = ::SelectObject(Memory, Bitmap);
    const HBRUSH brush = ::CreateSolidBrush(background);
    const RECT all{0, 0, width, height};
    ::FillRect(Memory, &all, brush);
    ::DeleteObject(brush);
}

Canvas::~Canvas() {
    ::SelectObject(Memory, PreviousBitmap);
    ::DeleteObject(Bitmap);
    ::DeleteDC(Memory);
}

// DIB pixels are 0x00RRGGBB; COLORREF is 0x00BBGGRR.
COLORREF Canvas::Pixel(int x, int y) const {
    ::GdiFlush();
    const DWORD p = Bits[static_cast<std::size_t>(y) * static_cast<std::size_t>(Width) +
                         static_cast<std::size_t>(x)];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}
