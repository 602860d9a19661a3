// Anti-aliased shapes described by signed distance functions: negative inside,
// positive outside, in pixels. Pixel (x, y) covers [x, x+1) × [y, y+1).
#pragma once

#include "image.h"

#include <functional>
#include <utility>
#include <vector>

namespace skinart {

using Shape = std::function<double(double x, double y)>;
using Paint = std::function<Rgb(int x, int y)>;

Shape RoundRect(double x0, double y0, double x1, double y1, double radius);
// Rounded at the two top corners only (window tops, tabs).
Shape TopRoundRect(double x0, double y0, double x1, double y1, double radius);
Shape Circle(double cx, double cy, double radius);
// A line of the given width with round ends through the points.
Shape Polyline(std::vector<std::pair<double, double>> points, double width);
// Convex polygon, corners in either winding order.
Shape Polygon(std::vector<std::pair<double, double>> corners);
// The band of the given width just inside the outline of a shape.
Shape Outline(Shape shape, double width);
Shape Union(Shape a, Shape b);
Shape Subtract(Shape a, Shape b);

// Coverage of one pixel by the shape, 0..1.
double Coverage(const Shape& shape, int x, int y);

void Fill(Image& image, const Shape& shape, Rgb colour, double alpha = 1.0);
void Fill(Image& image, const Shape& shape, const Paint& paint, double alpha = 1.0);
Paint Gradient(double y0, double y1, Rgb top, Rgb bottom);

// Pixels the shape does not touch at all become the key colour; the edge
// pixels keep the colour they were blended to against the backdrop.
void KeyOutside(Image& image, const Shape& shape);
// For pictures drawn on an unknown background: pixels covered less than the
// threshold become the key colour.
void KeyBelow(Image& image, const Shape& shape, double threshold);

} // namespace skinart
