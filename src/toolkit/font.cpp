#include "toolkit/font.h"

namespace {
const TEnumInfo kStyles{{L"fsBold", L"fsItalic", L"fsUnderline", L"fsStrikeOut"}};
}

const TClassInfo& TFont::StaticClass() {
    static const TClassInfo info(L"TFont", &TPersistent::StaticClass(), [](TClassInfo& c) {
        c.Str<TFont>(L"Name", &TFont::Name, &TFont::SetName);
        c.Int<TFont>(L"Height", &TFont::Height, &TFont::SetHeight);
        c.Int<TFont>(L"Charset", &TFont::Charset, &TFont::SetCharset);
        c.Int<TFont>(L"Color", &TFont::Color, &TFont::SetColor);
        c.Set<TFont>(L"Style", kStyles, &TFont::Style, &TFont::SetStyle);
    });
    return info;
}

TFont::TFont() = default;

void TFont::Assign(const TFont& o) {
    name_ = o.name_;
    height_ = o.height_;
    charset_ = o.charset_;
    color_ = o.color_;
    style_ = o.style_;
    Changed();
}

void TFont::SetName(const std::wstring& v) {
    name_ = v;
    Changed();
}
void TFont::SetHeight(int v) {
    height_ = v;
    Changed();
}
void TFont::SetCharset(int v) {
    charset_ = v;
    Changed();
}
void TFont::SetColor(int v) {
    color_ = v;
    if (OnChange) OnChange();
}
void TFont::SetStyle(int v) {
    style_ = v;
    Changed();
}

void TFont::Changed() {
    handle_.Reset();
    if (OnChange) OnChange();
}

HFONT TFont::Handle() const {
    if (!handle_) {
        LOGFONTW lf{};
        lf.lfHeight = height_;
        lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (style_ & fsItalic) != 0;
        lf.lfUnderline = (style_ & fsUnderline) != 0;
        lf.lfStrikeOut = (style_ & fsStrikeOut) != 0;
        lf.lfCharSet = static_cast<BYTE>(charset_);
        lf.lfQuality = DEFAULT_QUALITY;
        lstrcpynW(lf.lfFaceName, name_.c_str(), LF_FACESIZE);
        handle_.Reset(CreateFontIndirectW(&lf));
    }
    return handle_.Get();
}
