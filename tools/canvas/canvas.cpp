// Coverage comes from the distance at the pixel centre: a pixel half inside an edge is half
// covered, which is exact for straight edges and close enough for curves.
#include "tools/canvas/canvas.h"

#include <algorithm>
#include <cmath>
#include <utility>

Colour Hex(uint32_t rgb) {
    return {static_cast<float>(rgb >> 16 & 255) / 255.0f,
            static_cast<float>(rgb >> 8 & 255) / 255.0f, static_cast<float>(rgb & 255) / 255.0f};
}

Colour Mix(Colour a, Colour b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour Grey(Colour c) {
    float luma = 0.3f * c.r + 0.59f * c.g + 0.11f * c.b;
    return {luma, luma, luma};
}

float Clamp01(float v) {
    return std::clamp(v, 0.0f, 1.0f);
}

Canvas MakeCanvas(int width, int height, Colour fill) {
    return {width, height, std::vector<Colour>(static_cast<size_t>(width * height), fill)};
}

Canvas Crop(const Canvas& canvas, int left, int top, int width, int height) {
    Canvas part = MakeCanvas(width, height, {0, 0, 0});
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            part.pixels[y * width + x] = canvas.pixels[(top + y) * canvas.width + left + x];
        }
    }
    return part;
}

namespace {

Box ClipBox(const Canvas& canvas, Box box) {
    return {std::max(box.left, 0), std::max(box.top, 0), std::min(box.right, canvas.width),
            std::min(box.bottom, canvas.height)};
}

float Length(float x, float y) {
    return std::sqrt(x * x + y * y);
}

}  // namespace

void Fill(Canvas& canvas, Box box, const Shape& shape, const Paint& paint, float opacity) {
    box = ClipBox(canvas, box);
    for (int y = box.top; y < box.bottom; ++y) {
        for (int x = box.left; x < box.right; ++x) {
            float px = static_cast<float>(x) + 0.5f;
            float py = static_cast<float>(y) + 0.5f;
            float coverage = Clamp01(0.5f - shape(px, py)) * opacity;
            if (coverage <= 0.0f) continue;
            Colour& pixel = canvas.pixels[y * canvas.width + x];
            pixel = Mix(pixel, paint(px, py), coverage);
        }
    }
}

void Fill(Canvas& canvas, Box box, const Shape& shape, Colour colour, float opacity) {
    Fill(
        canvas, box, shape, [colour](float, float) { return colour; }, opacity);
}

void Shadow(Canvas& canvas, Box box, const Shape& shape, Colour colour, float opacity, float blur) {
    box = ClipBox(canvas, box);
    for (int y = box.top; y < box.bottom; ++y) {
        for (int x = box.left; x < box.right; ++x) {
            float d = shape(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f);
            float t = 1.0f - Clamp01(d / blur);
            float alpha = opacity * t * t * (3.0f - 2.0f * t);
            if (alpha <= 0.0f) continue;
            Colour& pixel = canvas.pixels[y * canvas.width + x];
            pixel = Mix(pixel, colour, alpha);
        }
    }
}

Box BoxAround(float cx, float cy, float rx, float ry) {
    return {static_cast<int>(std::floor(cx - rx - 2)), static_cast<int>(std::floor(cy - ry - 2)),
            static_cast<int>(std::ceil(cx + rx + 2)), static_cast<int>(std::ceil(cy + ry + 2))};
}

Box FullBox(const Canvas& canvas) {
    return {0, 0, canvas.width, canvas.height};
}

Shape Circle(float cx, float cy, float r) {
    return [=](float x, float y) { return Length(x - cx, y - cy) - r; };
}

Shape Ellipse(float cx, float cy, float rx, float ry) {
    // A close approximation of the true distance, good for edge coverage.
    return [=](float x, float y) {
        float px = (x - cx) / rx;
        float py = (y - cy) / ry;
        float k0 = Length(px, py);
        float k1 = Length(px / rx, py / ry);
        return k1 > 0.0f ? k0 * (k0 - 1.0f) / k1 : -std::min(rx, ry);
    };
}

Shape RoundedBox(float left, float top, float right, float bottom, float radius) {
    float cx = (left + right) / 2;
    float cy = (top + bottom) / 2;
    float hx = (right - left) / 2 - radius;
    float hy = (bottom - top) / 2 - radius;
    return [=](float x, float y) {
        float qx = std::abs(x - cx) - hx;
        float qy = std::abs(y - cy) - hy;
        return Length(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) -
               radius;
    };
}

Shape Segment(float ax, float ay, float bx, float by, float halfWidth) {
    return [=](float x, float y) {
        float ex = bx - ax;
        float ey = by - ay;
        float t = Clamp01(((x - ax) * ex + (y - ay) * ey) / (ex * ex + ey * ey));
        return Length(x - ax - ex * t, y - ay - ey * t) - halfWidth;
    };
}

Shape Polygon(std::vector<float> xy) {
    return [v = std::move(xy)](float x, float y) {
        size_t n = v.size() / 2;
        float best = 1e30f;
        bool inside = false;
        for (size_t i = 0, j = n - 1; i < n; j = i++) {
            float vx = v[2 * i], vy = v[2 * i + 1];
            float ex = v[2 * j] - vx, ey = v[2 * j + 1] - vy;
            float wx = x - vx, wy = y - vy;
            float t = Clamp01((wx * ex + wy * ey) / (ex * ex + ey * ey));
            best = std::min(best, Length(wx - ex * t, wy - ey * t));
            bool up = y >= vy, down = y<v[2 * j + 1], left = ex * wy> ey * wx;
            if ((up && down && left) || (!up && !down && !left)) inside = !inside;
        }
        return inside ? -best : best;
    };
}

Shape Curve(std::function<float(float)> f, bool below) {
    return [f = std::move(f), below](float x, float y) {
        float slope = (f(x + 0.5f) - f(x - 0.5f));
        float d = (y - f(x)) / std::sqrt(1.0f + slope * slope);
        return below ? -d : d;
    };
}

Shape Union(Shape a, Shape b) {
    return [=](float x, float y) { return std::min(a(x, y), b(x, y)); };
}

Shape Intersect(Shape a, Shape b) {
    return [=](float x, float y) { return std::max(a(x, y), b(x, y)); };
}

Shape Outline(Shape a, float width) {
    return [=](float x, float y) { return std::abs(a(x, y)) - width / 2; };
}

Shape Offset(Shape a, float dx, float dy) {
    return [=](float x, float y) { return a(x - dx, y - dy); };
}

Paint Vertical(float top, Colour topColour, float bottom, Colour bottomColour) {
    return [=](float, float y) {
        return Mix(topColour, bottomColour, Clamp01((y - top) / (bottom - top)));
    };
}

Paint Radial(float cx, float cy, float r, Colour inner, Colour outer) {
    return [=](float x, float y) { return Mix(inner, outer, Clamp01(Length(x - cx, y - cy) / r)); };
}
