#include "ui_win32/gdiplus.h"

#include <map>

namespace kelvara::win32 {

GdiplusSession::GdiplusSession() {
    Gdiplus::GdiplusStartupInput input;
    ok_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
}

GdiplusSession::~GdiplusSession() {
    if (ok_) Gdiplus::GdiplusShutdown(token_);
}

bool SavePng(Gdiplus::Bitmap& bitmap, const std::wstring& file) {
    UINT count = 0, size = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &size) != Gdiplus::Ok || size == 0) return false;
    std::vector<BYTE> buffer(size);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, size, codecs) != Gdiplus::Ok) return false;
    for (UINT i = 0; i < count; ++i) {
        if (wcscmp(codecs[i].MimeType, L"image/png") == 0) {
            return bitmap.Save(file.c_str(), &codecs[i].Clsid, nullptr) == Gdiplus::Ok;
        }
    }
    return false;
}

std::wstring InstalledFamily(const std::vector<std::wstring>& families, const wchar_t* fallback) {
    static std::map<std::wstring, bool> known;
    for (const std::wstring& f : families) {
        auto it = known.find(f);
        if (it == known.end()) {
            const Gdiplus::FontFamily family(f.c_str());
            it = known.emplace(f, family.IsAvailable() != FALSE).first;
        }
        if (it->second) return f;
    }
    return fallback;
}

}  // namespace kelvara::win32
