#include "glyphs.h"

#include <cmath>

namespace skinart {
namespace {

using Points = std::vector<std::pair<double, double>>;

// Turns a shape drawn pointing right into the other directions.
Points Turn(const Points& rightward, double cx, double cy, Direction direction) {
    Points out;
    for (const auto& p : rightward) {
        const double dx = p.first - cx, dy = p.second - cy;
        switch (direction) {
        case Direction::Right:
            out.push_back({cx + dx, cy + dy});
            break;
        case Direction::Left:
            out.push_back({cx - dx, cy + dy});
            break;
        case Direction::Down:
            out.push_back({cx + dy, cy + dx});
            break;
        case Direction::Up:
            out.push_back({cx + dy, cy - dx});
            break;
        }
    }
    return out;
}

} // namespace

Shape CloseGlyph(double cx, double cy, double size, double stroke) {
    const double h = size / 2;
    return Union(Polyline({{cx - h, cy - h}, {cx + h, cy + h}}, stroke),
                 Polyline({{cx - h, cy + h}, {cx + h, cy - h}}, stroke));
}

Shape MinimizeGlyph(double cx, double cy, double size, double stroke) {
    const double h = size / 2;
    return Polyline({{cx - h, cy + h * 0.15}, {cx + h, cy + h * 0.15}}, stroke);
}

Shape MaximizeGlyph(double cx, double cy, double size, double stroke) {
    const double h = size / 2;
    return Outline(RoundRect(cx - h, cy - h, cx + h, cy + h, 1.2), stroke);
}

Shape RestoreGlyph(double cx, double cy, double size, double stroke) {
    const double h = size / 2, o = size * 0.22;
    const Shape front = RoundRect(cx - h, cy - h + o, cx + h - o, cy + h, 1.0);
    const Shape back = RoundRect(cx - h + o, cy - h, cx + h, cy + h - o, 1.0);
    return Union(Outline(front, stroke), Subtract(Outline(back, stroke), front));
}

Shape HelpGlyph(double cx, double cy, double size, double stroke) {
    const double r = size * 0.27;
    const double top = cy - size / 2 + r;
    Points hook;
    for (int i = 0; i <= 12; ++i) {
        const double a = M_PI * (1.0 + i / 12.0 * 1.35); // from the left, over the top
        hook.push_back({cx + r * std::cos(a), top + r * std::sin(a)});
    }
    hook.push_back({cx, top + r * 1.25});
    hook.push_back({cx, top + r * 1.75});
    return Union(Polyline(hook, stroke), Circle(cx, cy + size / 2 - stroke * 0.55, stroke * 0.72));
}

Shape CheckGlyph(double cx, double cy, double size, double stroke) {
    const double h = size / 2;
    return Polyline({{cx - h, cy + h * 0.05}, {cx - h * 0.3, cy + h * 0.7}, {cx + h, cy - h * 0.7}},
                    stroke);
}

Shape DashGlyph(double cx, double cy, double size, double stroke) {
    return Polyline({{cx - size / 2, cy}, {cx + size / 2, cy}}, stroke);
}

Shape Chevron(double cx, double cy, double size, double stroke, Direction direction) {
    const double h = size / 2;
    return Polyline(Turn({{cx - h * 0.5, cy - h}, {cx + h * 0.5, cy}, {cx - h * 0.5, cy + h}}, cx,
                         cy, direction),
                    stroke);
}

Shape Arrowhead(double cx, double cy, double size, Direction direction) {
    const double h = size / 2;
    return Polygon(Turn({{cx - h * 0.5, cy - h}, {cx + h * 0.5, cy}, {cx - h * 0.5, cy + h}}, cx,
                        cy, direction));
}

Shape GripDots(double right, double bottom) {
    // 2 × 2 squares on a 4-pixel pitch, in the usual triangle.
    Shape dots = [](double, double) { return 1e9; };
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col + row < 3; ++col) {
            const double x = right - 2 - col * 4, y = bottom - 2 - row * 4;
            dots = Union(dots, RoundRect(x, y, x + 2, y + 2, 0.3));
        }
    return dots;
}

Shape ThumbGrip(double cx, double cy, bool vertical) {
    Shape bars = [](double, double) { return 1e9; };
    for (int i = -1; i <= 1; ++i) {
        const double o = i * 2.5;
        bars = Union(bars, vertical ? Polyline({{cx - 3, cy + o}, {cx + 3, cy + o}}, 1.0)
                                    : Polyline({{cx + o, cy - 3}, {cx + o, cy + 3}}, 1.0));
    }
    return bars;
}

} // namespace skinart
