// Drawing surface of both artwork generators: floating-point colour, shapes given as signed
// distance functions so that every edge is anti-aliased by its exact coverage.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

struct Colour {
    float r, g, b;
};

struct Canvas {
    int width = 0;
    int height = 0;
    std::vector<Colour> pixels;
};

// Pixel-aligned area to visit: left, top inclusive; right, bottom exclusive.
struct Box {
    int left, top, right, bottom;
};

// Signed distance in pixels from a point to a shape's edge: negative inside.
using Shape = std::function<float(float x, float y)>;
using Paint = std::function<Colour(float x, float y)>;

Colour Hex(uint32_t rgb);
Colour Mix(Colour a, Colour b, float t);
Colour Grey(Colour c);
float Clamp01(float v);

Canvas MakeCanvas(int width, int height, Colour fill);
Canvas Crop(const Canvas& canvas, int left, int top, int width, int height);

// Covers the shape (inside the box) with paint at the given opacity.
void Fill(Canvas& canvas, Box box, const Shape& shape, const Paint& paint, float opacity = 1.0f);
void Fill(Canvas& canvas, Box box, const Shape& shape, Colour colour, float opacity = 1.0f);
// Soft shadow: opacity falls off over `blur` pixels outside the shape.
void Shadow(Canvas& canvas, Box box, const Shape& shape, Colour colour, float opacity, float blur);

Box BoxAround(float cx, float cy, float rx, float ry);
Box FullBox(const Canvas& canvas);

// Shapes and their combinations.
Shape Circle(float cx, float cy, float r);
Shape Ellipse(float cx, float cy, float rx, float ry);
Shape RoundedBox(float left, float top, float right, float bottom, float radius);
Shape Segment(float ax, float ay, float bx, float by, float halfWidth);
Shape Polygon(std::vector<float> xy);
// Everything above the curve y = f(x), or below it with `below`.
Shape Curve(std::function<float(float)> f, bool below);
Shape Union(Shape a, Shape b);
Shape Intersect(Shape a, Shape b);
Shape Outline(Shape a, float width);
Shape Offset(Shape a, float dx, float dy);

Paint Vertical(float top, Colour topColour, float bottom, Colour bottomColour);
Paint Radial(float cx, float cy, float r, Colour inner, Colour outer);
