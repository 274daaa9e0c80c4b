#include "tests/hypertext/test_bitmap.h"

#include <stdexcept>

namespace {

template <class T> void Append(std::vector<BYTE>& bytes, const T& value) {
    const auto* p = reinterpret_cast<const BYTE*>(&value);
    bytes.insert(bytes.end(), p, p + sizeof value);
}

} // namespace

std::vector<BYTE> BitmapFile(int width, int height, COLORREF (*color)(int x, int y)) {
    const int stride = (width * 3 + 3) / 4 * 4;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(stride * height);
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    std::vector<BYTE> bytes;
    Append(bytes, file);
    Append(bytes, info);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = color(x, y);
            bytes.push_back(GetBValue(c));
            bytes.push_back(GetGValue(c));
            bytes.push_back(GetRValue(c));
        }
        bytes.resize(bytes.size() + static_cast<std::size_t>(stride - width * 3));
    }
    return bytes;
}

COLORREF BandedColor(int x, int y) {
    return RGB(20 + 20 * (x / 10), y < BandedHeight / 2 ? 60 : 180, 90);
}

TempFile::TempFile(const std::vector<BYTE>& bytes) {
    char directory[MAX_PATH];
    char name[MAX_PATH];
    if (::GetTempPathA(MAX_PATH, directory) == 0 ||
        ::GetTempFileNameA(directory, "qrv", 0, name) == 0)
        throw std::runtime_error("no temporary file");
    Name = name;
    const HANDLE file = ::CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    const bool ok =
        file != INVALID_HANDLE_VALUE &&
        ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
    if (file != INVALID_HANDLE_VALUE)
        ::CloseHandle(file);
    if (!ok)
        throw std::runtime_error("cannot write a temporary file");
}

TempFile::~TempFile() {
    ::DeleteFileA(Name.c_str());
}
