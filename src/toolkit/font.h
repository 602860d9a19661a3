#pragma once
// A font description with its GDI font made on demand; changes are reported
// through OnChange so that the owning control can pass the new font on.
#include "toolkit/colours.h"
#include "toolkit/gdi_objects.h"
#include "toolkit/persistent.h"

#include <functional>

enum TFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class TFont : public TPersistent {
    VELMORA_CLASS()
public:
    TFont();
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;
    void Assign(const TFont& other);

    std::wstring Name() const { return name_; }
    void SetName(const std::wstring& v);
    int Height() const { return height_; }
    void SetHeight(int v);
    int Charset() const { return charset_; }
    void SetCharset(int v);
    int Color() const { return color_; }
    void SetColor(int v);
    int Style() const { return style_; }
    void SetStyle(int v);

    HFONT Handle() const; // created on first use, freed on change and with the font

    std::function<void()> OnChange;

private:
    void Changed();

    std::wstring name_ = L"MS Sans Serif";
    int height_ = -11;
    int charset_ = DEFAULT_CHARSET;
    TColor color_ = clWindowText;
    int style_ = 0;
    mutable TFontHandle handle_;
};
