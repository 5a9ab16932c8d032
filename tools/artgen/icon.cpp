// Each size is drawn from the same description rather than scaled down, so small images stay
// sharp; the palettes of the 8- and 4-bit images are cut from each image's own colours.
#include "tools/artgen/icon.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

#include "tools/canvas/canvas.h"

namespace {

using Rgb = std::array<int, 3>;

// The picture: a rounded tile of sky with a sun above two green hills and a red-roofed house.
// With only 16 colours the gradients and the glow would band, so those images are flat.
void DrawIcon(int size, bool flat, Canvas& colour, Canvas& alpha) {
    float k = static_cast<float>(size) / 64;
    Box box = FullBox(colour);
    float inset = size <= 16 ? 0.5f : 1.5f * k;
    Shape tile = RoundedBox(inset, inset, static_cast<float>(size) - inset,
                            static_cast<float>(size) - inset, 12 * k);
    Fill(alpha, box, tile, Hex(0xffffff));
    float sunX = 44 * k, sunY = 19 * k, sunR = 10 * k;
    if (flat) {
        Fill(colour, box, tile, Hex(0x5aaef0));
        Fill(colour, box, Circle(sunX, sunY, sunR), Hex(0xffcf3a));
    } else {
        Fill(colour, box, tile, Vertical(0, Hex(0x2f8be0), 44 * k, Hex(0xa9defc)));
        if (size >= 32) Shadow(colour, box, Circle(sunX, sunY, sunR), Hex(0xfff4b0), 0.6f, 9 * k);
        Fill(colour, box, Circle(sunX, sunY, sunR),
             Radial(sunX - 3 * k, sunY - 3 * k, sunR * 1.4f, Hex(0xfff48a), Hex(0xffb52a)));
    }
    Fill(colour, box,
         Curve([k](float x) { return 40 * k + 5 * k * std::sin(x / (9 * k) + 1); }, true),
         Hex(0x7cc94f));
    Fill(colour, box, Curve([k](float x) { return 50 * k - 4 * k * std::sin(x / (11 * k)); }, true),
         Hex(0x3f9a2f));
    if (size >= 24) {
        float left = 12 * k, ground = 50 * k, right = 28 * k;
        Fill(colour, box, RoundedBox(left, ground - 12 * k, right, ground, 0), Hex(0xfff1d0));
        Fill(colour, box,
             Polygon({left - 3 * k, ground - 11 * k, (left + right) / 2, ground - 22 * k,
                      right + 3 * k, ground - 11 * k}),
             Hex(0xd8403a));
        Fill(colour, box, RoundedBox(18 * k, ground - 7 * k, 22 * k, ground, 0), Hex(0x8a5630));
    }
    Fill(colour, box, Outline(tile, std::max(1.0f, 2.5f * k)), Hex(0x1d4f8f));
}

// Median cut: splits the colour box with the widest channel until there are `count` boxes.
std::vector<Rgb> CutPalette(std::vector<Rgb> colours, size_t count) {
    struct Span {
        size_t begin, end;
    };
    std::vector<Span> spans = {{0, colours.size()}};
    auto widest = [&colours](Span s, int& channel) {
        int best = -1;
        for (int c = 0; c < 3; ++c) {
            auto [lo, hi] =
                std::minmax_element(colours.begin() + static_cast<std::ptrdiff_t>(s.begin),
                                    colours.begin() + static_cast<std::ptrdiff_t>(s.end),
                                    [c](const Rgb& a, const Rgb& b) { return a[c] < b[c]; });
            if ((*hi)[c] - (*lo)[c] > best) {
                best = (*hi)[c] - (*lo)[c];
                channel = c;
            }
        }
        return best;
    };
    while (spans.size() < count) {
        size_t pick = spans.size();
        int pickChannel = 0, pickRange = 0;
        for (size_t i = 0; i < spans.size(); ++i) {
            int channel = 0;
            int range = spans[i].end - spans[i].begin > 1 ? widest(spans[i], channel) : 0;
            if (range > pickRange) {
                pick = i;
                pickRange = range;
                pickChannel = channel;
            }
        }
        if (pick == spans.size()) break;
        Span s = spans[pick];
        auto first = colours.begin() + static_cast<std::ptrdiff_t>(s.begin);
        auto last = colours.begin() + static_cast<std::ptrdiff_t>(s.end);
        std::sort(first, last, [pickChannel](const Rgb& a, const Rgb& b) {
            return a[pickChannel] < b[pickChannel];
        });
        size_t middle = s.begin + (s.end - s.begin) / 2;
        spans[pick] = {s.begin, middle};
        spans.push_back({middle, s.end});
    }
    std::vector<Rgb> palette;
    for (Span s : spans) {
        Rgb sum{0, 0, 0};
        for (size_t i = s.begin; i < s.end; ++i) {
            for (int c = 0; c < 3; ++c) sum[c] += colours[i][c];
        }
        int n = static_cast<int>(std::max<size_t>(s.end - s.begin, 1));
        palette.push_back({sum[0] / n, sum[1] / n, sum[2] / n});
    }
    return palette;
}

uint8_t ToByte(float v) {
    return static_cast<uint8_t>(std::lround(Clamp01(v) * 255));
}

IconImage MakeImage(int size, int bits) {
    Canvas colour = MakeCanvas(size, size, Hex(0x1d4f8f));
    Canvas alpha = MakeCanvas(size, size, Hex(0));
    DrawIcon(size, bits == 4, colour, alpha);
    IconImage image{size, bits, {}};
    std::vector<Rgb> opaque;
    for (int i = 0; i < size * size; ++i) {
        Colour c = colour.pixels[i];
        Rgb rgb{ToByte(c.r), ToByte(c.g), ToByte(c.b)};
        uint8_t a = ToByte(alpha.pixels[i].r);
        if (bits < 32) a = a >= 128 ? 255 : 0;
        if (a == 0) rgb = {0, 0, 0};
        if (a != 0) opaque.push_back(rgb);
        image.rgba.insert(image.rgba.end(),
                          {static_cast<uint8_t>(rgb[0]), static_cast<uint8_t>(rgb[1]),
                           static_cast<uint8_t>(rgb[2]), a});
    }
    if (bits > 8) return image;
    // Entry 0 stays black: transparent pixels use it, as the mask expects.
    std::vector<Rgb> palette = CutPalette(opaque, (size_t{1} << bits) - 1);
    for (size_t i = 0; i < image.rgba.size(); i += 4) {
        if (image.rgba[i + 3] == 0) continue;
        Rgb best{0, 0, 0};
        int bestDistance = 1 << 30;
        for (const Rgb& p : palette) {
            int d = 0;
            for (int c = 0; c < 3; ++c)
                d += (p[c] - image.rgba[i + c]) * (p[c] - image.rgba[i + c]);
            if (d < bestDistance) {
                bestDistance = d;
                best = p;
            }
        }
        for (int c = 0; c < 3; ++c) image.rgba[i + c] = static_cast<uint8_t>(best[c]);
    }
    return image;
}

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.insert(out.end(), {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)});
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

size_t RowBytes(int width, int bits) {
    return static_cast<size_t>((width * bits + 31) / 32 * 4);
}

// BITMAPINFOHEADER (height doubled for colour and mask), palette, colour rows bottom-up,
// then the 1-bit mask (1 = transparent) bottom-up.
std::vector<uint8_t> EncodeEntry(const IconImage& image) {
    int n = image.size;
    size_t colourBytes = RowBytes(n, image.bits) * static_cast<size_t>(n);
    size_t maskBytes = RowBytes(n, 1) * static_cast<size_t>(n);
    std::vector<uint8_t> out;
    uint32_t paletteSize = image.bits <= 8 ? 1u << image.bits : 0;
    for (uint32_t v : {40u, static_cast<uint32_t>(n), static_cast<uint32_t>(2 * n)}) Put32(out, v);
    Put16(out, 1);
    Put16(out, static_cast<uint32_t>(image.bits));
    for (uint32_t v :
         {0u, static_cast<uint32_t>(colourBytes + maskBytes), 0u, 0u, paletteSize, 0u}) {
        Put32(out, v);
    }
    std::vector<uint32_t> palette;
    std::vector<uint8_t> indexes;
    if (paletteSize != 0) {
        palette.push_back(0);
        for (size_t i = 0; i < image.rgba.size(); i += 4) {
            uint32_t rgb = uint32_t{image.rgba[i]} << 16 | uint32_t{image.rgba[i + 1]} << 8 |
                           image.rgba[i + 2];
            auto found = std::find(palette.begin(), palette.end(), rgb);
            if (found == palette.end()) found = palette.insert(palette.end(), rgb);
            indexes.push_back(static_cast<uint8_t>(found - palette.begin()));
        }
        palette.resize(paletteSize);
        for (uint32_t rgb : palette) Put32(out, rgb);
    }
    for (int y = n - 1; y >= 0; --y) {
        std::vector<uint8_t> row(RowBytes(n, image.bits));
        for (int x = 0; x < n; ++x) {
            size_t i = static_cast<size_t>(y * n + x);
            const uint8_t* p = &image.rgba[i * 4];
            switch (image.bits) {
                case 32:
                    std::copy_n(std::array<uint8_t, 4>{p[2], p[1], p[0], p[3]}.begin(), 4,
                                &row[x * 4]);
                    break;
                case 24:
                    std::copy_n(std::array<uint8_t, 3>{p[2], p[1], p[0]}.begin(), 3, &row[x * 3]);
                    break;
                case 8:
                    row[x] = indexes[i];
                    break;
                default:
                    row[x / 2] |= static_cast<uint8_t>(indexes[i] << (x % 2 == 0 ? 4 : 0));
                    break;
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    for (int y = n - 1; y >= 0; --y) {
        std::vector<uint8_t> row(RowBytes(n, 1));
        for (int x = 0; x < n; ++x) {
            if (image.rgba[static_cast<size_t>(y * n + x) * 4 + 3] < 128) {
                row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace

std::vector<IconImage> DrawIconImages() {
    std::vector<IconImage> images;
    for (int bits : {32, 24, 8, 4}) {
        for (int size : {64, 48, 32, 24, 16}) images.push_back(MakeImage(size, bits));
    }
    return images;
}

std::vector<uint8_t> EncodeIcon(const std::vector<IconImage>& images) {
    std::vector<uint8_t> file;
    Put16(file, 0);
    Put16(file, 1);
    Put16(file, static_cast<uint32_t>(images.size()));
    std::vector<uint8_t> data;
    size_t offset = 6 + 16 * images.size();
    for (const IconImage& image : images) {
        std::vector<uint8_t> entry = EncodeEntry(image);
        file.insert(file.end(), {static_cast<uint8_t>(image.size), static_cast<uint8_t>(image.size),
                                 static_cast<uint8_t>(image.bits == 4 ? 16 : 0), 0});
        Put16(file, 1);
        Put16(file, static_cast<uint32_t>(image.bits));
        Put32(file, static_cast<uint32_t>(entry.size()));
        Put32(file, static_cast<uint32_t>(offset + data.size()));
        data.insert(data.end(), entry.begin(), entry.end());
    }
    file.insert(file.end(), data.begin(), data.end());
    return file;
}
