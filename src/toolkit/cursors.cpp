#include "toolkit/cursors.h"

HCURSOR CursorHandle(int cursor) {
    switch (cursor) {
    case crArrow:
        return LoadCursorW(nullptr, IDC_ARROW);
    case crHandPoint:
        return LoadCursorW(nullptr, IDC_HAND);
    default:
        return nullptr;
    }
}
