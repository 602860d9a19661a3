#pragma once
// The platform's standalone scroll bar. The bar moves itself under the
// mouse and the keyboard and reports each step to its parent; the control
// turns those steps into Position (clamped to the range) and OnChange.
#include "toolkit/events.h"
#include "toolkit/win_control.h"

enum TScrollBarKind { sbHorizontal, sbVertical };

class TScrollBar : public TWinControl {
    VELMORA_CLASS()
public:
    explicit TScrollBar(TComponent* owner);

    int Kind() const { return kind_; }
    void SetKind(int v) { kind_ = v; }
    int Min() const { return min_; }
    void SetMin(int v);
    int Max() const { return max_; }
    void SetMax(int v);
    int Position() const { return position_; }
    void SetPosition(int v);
    int PageSize() const { return pageSize_; }
    void SetPageSize(int v);

    // Position changed by the user or the program.
    TNotifyEvent OnChange;

    void WndProc(TMessage& m) override;

protected:
    void CreateParams(TCreateParams& p) override;
    void CreateWnd() override;

private:
    void SendScrollInfo();
    void Scroll(int request);
    int Clamped(int position) const;
    int TrackPosition() const;

    int kind_ = sbHorizontal;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int pageSize_ = 0;
};
