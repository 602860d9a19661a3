#include "shapes.h"

#include <algorithm>
#include <cmath>

namespace skinart {
namespace {

double SegmentDistance(double px, double py, double ax, double ay, double bx, double by) {
    const double dx = bx - ax, dy = by - ay;
    const double len2 = dx * dx + dy * dy;
    const double t = len2 > 0 ? std::clamp(((px - ax) * dx + (py - ay) * dy) / len2, 0.0, 1.0) : 0;
    return std::hypot(px - ax - t * dx, py - ay - t * dy);
}

} // namespace

Shape RoundRect(double x0, double y0, double x1, double y1, double radius) {
    return [=](double x, double y) {
        const double hx = (x1 - x0) / 2, hy = (y1 - y0) / 2;
        const double r = std::min({radius, hx, hy});
        const double qx = std::abs(x - (x0 + x1) / 2) - hx + r;
        const double qy = std::abs(y - (y0 + y1) / 2) - hy + r;
        return std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) -
               r;
    };
}

Shape TopRoundRect(double x0, double y0, double x1, double y1, double radius) {
    return Union(RoundRect(x0, y0, x1, y1 + radius, radius), RoundRect(x0, y0 + radius, x1, y1, 0));
}

Shape Circle(double cx, double cy, double radius) {
    return [=](double x, double y) { return std::hypot(x - cx, y - cy) - radius; };
}

Shape Polyline(std::vector<std::pair<double, double>> points, double width) {
    return [points = std::move(points), width](double x, double y) {
        double best = 1e9;
        for (size_t i = 0; i + 1 < points.size(); ++i)
            best = std::min(best, SegmentDistance(x, y, points[i].first, points[i].second,
                                                  points[i + 1].first, points[i + 1].second));
        if (points.size() == 1) best = std::hypot(x - points[0].first, y - points[0].second);
        return best - width / 2;
    };
}

Shape Polygon(std::vector<std::pair<double, double>> corners) {
    double area = 0;
    for (size_t i = 0; i < corners.size(); ++i) {
        const auto& a = corners[i];
        const auto& b = corners[(i + 1) % corners.size()];
        area += a.first * b.second - b.first * a.second;
    }
    const double sign = area > 0 ? 1 : -1;
    return [corners = std::move(corners), sign](double x, double y) {
        double d = -1e9;
        for (size_t i = 0; i < corners.size(); ++i) {
            const auto& a = corners[i];
            const auto& b = corners[(i + 1) % corners.size()];
            const double ex = b.first - a.first, ey = b.second - a.second;
            const double len = std::hypot(ex, ey);
            // Outward normal of edge a→b.
            const double nx = sign * ey / len, ny = -sign * ex / len;
            d = std::max(d, (x - a.first) * nx + (y - a.second) * ny);
        }
        return d;
    };
}

Shape Outline(Shape shape, double width) {
    return [=](double x, double y) { return std::abs(shape(x, y) + width / 2) - width / 2; };
}

Shape Union(Shape a, Shape b) {
    return [=](double x, double y) { return std::min(a(x, y), b(x, y)); };
}

Shape Subtract(Shape a, Shape b) {
    return [=](double x, double y) { return std::max(a(x, y), -b(x, y)); };
}

double Coverage(const Shape& shape, int x, int y) {
    // 4 × 4 samples: exact enough for thin glyph strokes where a single
    // distance sample would be blurry.
    double sum = 0;
    for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx) {
            const double d = shape(x + (sx + 0.5) / 4, y + (sy + 0.5) / 4);
            sum += std::clamp(0.5 - d * 4, 0.0, 1.0);
        }
    return sum / 16;
}

void Fill(Image& image, const Shape& shape, Rgb colour, double alpha) {
    Fill(
        image, shape, [colour](int, int) { return colour; }, alpha);
}

void Fill(Image& image, const Shape& shape, const Paint& paint, double alpha) {
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            const double c = Coverage(shape, x, y);
            if (c > 0) image.Blend(x, y, paint(x, y), c * alpha);
        }
}

Paint Gradient(double y0, double y1, Rgb top, Rgb bottom) {
    return [=](int, int y) {
        return Mix(top, bottom, std::clamp((y + 0.5 - y0) / std::max(1.0, y1 - y0), 0.0, 1.0));
    };
}

void KeyOutside(Image& image, const Shape& shape) {
    KeyBelow(image, shape, 1e-6);
}

void KeyBelow(Image& image, const Shape& shape, double threshold) {
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (Coverage(shape, x, y) < threshold) image.At(x, y) = kKey;
}

} // namespace skinart
