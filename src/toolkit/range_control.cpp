#include "toolkit/range_control.h"

namespace {
const TEnumInfo kOrientations{{L"coHorizontal", L"coVertical"}};
} // namespace

const TClassInfo& TRangeControl::StaticClass() {
    static const TClassInfo info(L"TRangeControl", &TWinControl::StaticClass(), [](TClassInfo& c) {
        c.Int<TRangeControl>(L"Min", &TRangeControl::Min, &TRangeControl::SetMin);
        c.Int<TRangeControl>(L"Max", &TRangeControl::Max, &TRangeControl::SetMax);
        c.Int<TRangeControl>(L"Position", &TRangeControl::Position, &TRangeControl::SetPosition);
        c.Enum<TRangeControl>(L"Orientation", kOrientations, &TRangeControl::Orientation,
                              &TRangeControl::SetOrientation);
    });
    return info;
}

void TRangeControl::SetMin(int v) {
    min_ = v;
    if (HandleAllocated()) SendRange(min_, max_);
}

void TRangeControl::SetMax(int v) {
    max_ = v;
    if (HandleAllocated()) SendRange(min_, max_);
}

int TRangeControl::Position() const {
    return HandleAllocated() ? ReadPosition() : position_;
}

void TRangeControl::SetPosition(int v) {
    position_ = v;
    if (HandleAllocated()) SendPosition(position_);
}

void TRangeControl::CreateWnd() {
    SendRange(min_, max_);
    SendPosition(position_);
}
