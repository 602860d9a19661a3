#pragma once
// Single-line edit boxes.
#include "toolkit/win_control.h"

enum TBorderStyle { bsNoBorder, bsSingleBorder };
// Scoped: the skin engine has a border kind of the same short name.
enum class TBevelKind { bkNone, bkTile, bkSoft, bkFlat };
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

class TEdit : public TWinControl {
    VELMORA_CLASS()
public:
    explicit TEdit(TComponent* owner);

    std::wstring Text() const { return GetText(); }
    void SetTextProp(const std::wstring& v) { SetText(v); }
    int BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int v) { borderStyle_ = v; }
    int BevelKind() const { return bevelKind_; }
    void SetBevelKind(int v) { bevelKind_ = v; }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v) { autoSize_ = v; }
    int BiDiMode() const { return biDiMode_; }
    void SetBiDiMode(int v) { biDiMode_ = v; }

protected:
    void CreateParams(TCreateParams& p) override;

private:
    int borderStyle_ = bsSingleBorder;
    int bevelKind_ = static_cast<int>(TBevelKind::bkNone);
    bool autoSize_ = true;
    int biDiMode_ = bdLeftToRight;
};
