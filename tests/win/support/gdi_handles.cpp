#include "support/gdi_handles.h"

THandleFiller::THandleFiller(std::size_t spare) {
    while (TBrushHandle brush{CreateSolidBrush(RGB(1, 2, 3))})
        held_.push_back(std::move(brush));
    held_.resize(held_.size() > spare ? held_.size() - spare : 0);
}

bool RoomFor(std::size_t count) {
    std::vector<TBrushHandle> more;
    for (std::size_t i = 0; i < count; ++i) {
        more.emplace_back(CreateSolidBrush(RGB(1, 2, 3)));
        if (!more.back()) return false;
    }
    return true;
}
