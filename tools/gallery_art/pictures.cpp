// Soft, light pictures in one palette: blue-grey faces, a lighter face for hover, a darker and
// lower one when pressed.
#include "tools/gallery_art/pictures.h"

#include <cmath>

#include "gallery/gallery_art.h"

namespace {

const Colour kWhite = Hex(0xFFFFFF);

Colour FaceTop(int32_t state) {
    return state == 0 ? Hex(0x6F8FB8) : state == 1 ? Hex(0x8FB0DA) : Hex(0x4D6C94);
}
Colour FaceBottom(int32_t state) {
    return state == 0 ? Hex(0x47648C) : state == 1 ? Hex(0x6286B4) : Hex(0x35506F);
}

Canvas MaskOf(int32_t width, int32_t height, const Shape& shape) {
    Canvas c = MakeCanvas(width, height, {0, 0, 0});
    Fill(c, FullBox(c), shape, kWhite);
    return c;
}

Shape ButtonShape(int32_t width, int32_t height) {
    return RoundedBox(0.5f, 0.5f, static_cast<float>(width) - 0.5f,
                      static_cast<float>(height) - 0.5f, 7.0f);
}

// A rounded face of the state's colours; pressed faces sit one pixel lower.
Canvas Face(int32_t width, int32_t height, int32_t state) {
    Canvas c = MakeCanvas(width, height, FaceBottom(state));
    const float drop = state == 2 ? 1.0f : 0.0f;
    const float h = static_cast<float>(height);
    Fill(c, FullBox(c), ButtonShape(width, height),
         Vertical(drop, FaceTop(state), h, FaceBottom(state)));
    Fill(c, FullBox(c), Outline(ButtonShape(width, height), 1.0f), Hex(0x2B3F5C), 0.8f);
    return c;
}

void Centred(Canvas& c, const RenderedFont& font, const std::string& text, int32_t left,
             int32_t state, Colour colour) {
    const int32_t width = c.width - left;
    const int32_t x = left + (width - TextWidth(font, text)) / 2;
    const int32_t y = (c.height - font.height) / 2 + (state == 2 ? 1 : 0);
    DrawText(c, font, text, x, y, colour);
}

}  // namespace

Bytes ToRgb(const Canvas& canvas) {
    Bytes bytes;
    for (const Colour& c : canvas.pixels) {
        for (float v : {c.r, c.g, c.b}) {
            bytes.push_back(static_cast<uint8_t>(std::lround(Clamp01(v) * 255)));
        }
    }
    return bytes;
}

// The painter blends a control over what the frame buffer holds, and a fade repaints it in place
// step after step: a partly covering mask byte would blend again with each step, and the edge
// would end up as the number of steps made it. So every mask is 0 or 255.
Bytes ToMask(const Canvas& canvas) {
    Bytes bytes;
    for (const Colour& c : canvas.pixels) bytes.push_back(c.r >= 0.5f ? 255 : 0);
    return bytes;
}

Canvas ButtonFace(const RenderedFont& font, const std::string& label, int32_t state, bool lamp,
                  bool lit) {
    Canvas c = Face(kArtButtonW, kArtButtonH, state);
    int32_t left = 0;
    if (lamp) {
        const float cy = static_cast<float>(kArtButtonH) / 2 + (state == 2 ? 1.0f : 0.0f);
        Fill(c, FullBox(c), Circle(16, cy, 6), lit ? Hex(0x5DE36B) : Hex(0x2E3B4A));
        Fill(c, FullBox(c), Outline(Circle(16, cy, 6), 1.0f), Hex(0x1B2633));
        left = 22;
    }
    Centred(c, font, label, left, state, kWhite);
    return c;
}

Canvas ButtonMask() {
    return MaskOf(kArtButtonW, kArtButtonH, ButtonShape(kArtButtonW, kArtButtonH));
}

Canvas RadioFace(const RenderedFont& font, const std::string& label, int32_t state, bool checked) {
    Canvas c = Face(kArtRadioW, kArtRadioH, state);
    const float cy = static_cast<float>(kArtRadioH) / 2;
    Fill(c, FullBox(c), Circle(13, cy, 7), kWhite);
    Fill(c, FullBox(c), Outline(Circle(13, cy, 7), 1.0f), Hex(0x2B3F5C));
    if (checked) Fill(c, FullBox(c), Circle(13, cy, 4), Hex(0x2F6FD0));
    DrawText(c, font, label, 27, (kArtRadioH - font.height) / 2, kWhite);
    return c;
}

Canvas RadioMask() {
    return MaskOf(kArtRadioW, kArtRadioH, ButtonShape(kArtRadioW, kArtRadioH));
}

Canvas PadFace(const RenderedFont& font, const std::string& label, int32_t state, int32_t sign) {
    Canvas c = Face(kArtPadW, kArtPadH, state);
    const Colour ink = Hex(0xE8F0FF);
    if (sign == 0) {
        Fill(c, FullBox(c), Circle(28, 32, 13), ink, 0.9f);
        Fill(c, FullBox(c), Circle(28, 32, 5), FaceBottom(state));
    } else {
        Fill(c, FullBox(c), Segment(14, 32, 42, 32, 2.0f), ink);
        Fill(c, FullBox(c), Segment(28, 18, 28, 46, 2.0f), ink);
        for (float d : {-1.0f, 1.0f}) {
            Fill(c, FullBox(c), Polygon({28 + 14 * d, 32, 28 + 8 * d, 27, 28 + 8 * d, 37}), ink);
            Fill(c, FullBox(c), Polygon({28, 32 + 14 * d, 23, 32 + 8 * d, 33, 32 + 8 * d}), ink);
        }
    }
    Centred(c, font, label, 48, state, kWhite);
    return c;
}

Canvas PadMask() {
    return MaskOf(kArtPadW, kArtPadH, ButtonShape(kArtPadW, kArtPadH));
}

Canvas KnobFace(int32_t state) {
    Canvas c = MakeCanvas(kArtKnobW, kArtKnobH, FaceBottom(state));
    Fill(c, FullBox(c), RoundedBox(1, 1, kArtKnobW - 1, kArtKnobH - 1, 6),
         Vertical(0, FaceTop(state), kArtKnobH, FaceBottom(state)));
    for (float y : {12.0f, 16.0f, 20.0f}) {
        Fill(c, FullBox(c), Segment(7, y, kArtKnobW - 7, y, 0.6f), Hex(0xDDE8F5), 0.9f);
    }
    return c;
}

Canvas KnobMask() {
    return MaskOf(kArtKnobW, kArtKnobH, RoundedBox(1, 1, kArtKnobW - 1, kArtKnobH - 1, 6));
}

Canvas ThumbPiece(int32_t piece, bool mask) {
    const int32_t width = piece == 1 ? 1 : kArtThumbCap;
    const float h = static_cast<float>(kArtThumbH);
    // The caps are the two ends of one rounded bar; the slice is its middle.
    const float left = piece == 0 ? 1.0f : -20.0f;
    const float right = piece == 2 ? static_cast<float>(kArtThumbCap) - 1 : 20.0f;
    const Shape bar = RoundedBox(left, 1, right, h - 1, 5);
    if (mask) return MaskOf(width, kArtThumbH, bar);
    Canvas c = MakeCanvas(width, kArtThumbH, Hex(0x35506F));
    Fill(c, FullBox(c), bar, Vertical(0, Hex(0x9CB9E0), h, Hex(0x3F5E88)));
    return c;
}

Canvas DialFrame(int32_t frame, int32_t frames, bool mask) {
    const float r = static_cast<float>(kArtDialSize) / 2;
    const Shape disc = Circle(r, r, r - 1);
    if (mask) return MaskOf(kArtDialSize, kArtDialSize, disc);
    Canvas c = MakeCanvas(kArtDialSize, kArtDialSize, Hex(0x35506F));
    Fill(c, FullBox(c), disc, Radial(r - 6, r - 8, r * 1.4f, Hex(0xA8C2E6), Hex(0x3A5883)));
    Fill(c, FullBox(c), Outline(disc, 1.0f), Hex(0x22344D));
    const float turn = static_cast<float>(frames - 1 - frame) / static_cast<float>(frames);
    const float angle = turn * 6.2831853f;
    const float ex = r + std::sin(angle) * (r - 8);
    const float ey = r - std::cos(angle) * (r - 8);
    Fill(c, FullBox(c), Segment(r, r, ex, ey, 2.5f), Hex(0xFFFFFF));
    Fill(c, FullBox(c), Circle(r, r, 4), Hex(0x22344D));
    return c;
}

Canvas CellSheet(bool highlighted) {
    static const uint32_t kColours[12] = {0xE5533D, 0xF08A24, 0xF2C12E, 0x8BC34A,
                                          0x2EAD6B, 0x1FA5A8, 0x2F8FE0, 0x3F5BD8,
                                          0x7A4FD0, 0xC04FC0, 0xE0508A, 0x7A8794};
    const int32_t width = kArtCellColumns * kArtCell;
    const int32_t height = kArtCellRows * kArtCell;
    Canvas c = MakeCanvas(width, height, highlighted ? Hex(0xF4F8FF) : Hex(0x263548));
    for (int32_t i = 0; i < 12; ++i) {
        const float x = static_cast<float>(i % kArtCellColumns * kArtCell);
        const float y = static_cast<float>(i / kArtCellColumns * kArtCell);
        const float s = static_cast<float>(kArtCell);
        Fill(c, FullBox(c), RoundedBox(x + 4, y + 4, x + s - 4, y + s - 4, 5), Hex(kColours[i]));
        if (highlighted) {
            Fill(c, FullBox(c), Outline(RoundedBox(x + 4, y + 4, x + s - 4, y + s - 4, 5), 1.5f),
                 Hex(0x1E2A3A));
        }
    }
    return c;
}

// The frame is light outside and dark inside: edges from the outside in, corners of both.
Bytes FramePiece(int32_t piece) {
    static const uint8_t kShade[kArtFrame][3] = {
        {0xC9, 0xD6, 0xE8}, {0x8E, 0xA4, 0xC4}, {0x5C, 0x73, 0x98}, {0x33, 0x45, 0x5F}};
    Bytes bytes;
    const bool corner = piece % 2 == 0;
    if (!corner) {
        // Top and left pieces run from the outside in; bottom and right from the inside out.
        const bool inward = piece == 1 || piece == 7;
        for (int32_t i = 0; i < kArtFrame; ++i) {
            const uint8_t* s = kShade[inward ? i : kArtFrame - 1 - i];
            bytes.insert(bytes.end(), {s[0], s[1], s[2]});
        }
        return bytes;
    }
    // A corner pixel takes the shade of its depth into the frame, counted from the outer edges.
    const bool right = piece == 2 || piece == 4;
    const bool bottom = piece == 4 || piece == 6;
    for (int32_t y = 0; y < kArtFrame; ++y) {
        for (int32_t x = 0; x < kArtFrame; ++x) {
            const int32_t dx = right ? kArtFrame - 1 - x : x;
            const int32_t dy = bottom ? kArtFrame - 1 - y : y;
            const uint8_t* s = kShade[dx < dy ? dx : dy];
            bytes.insert(bytes.end(), {s[0], s[1], s[2]});
        }
    }
    return bytes;
}

Canvas BackdropColumn() {
    Canvas c = MakeCanvas(1, 600, {0, 0, 0});
    Fill(c, FullBox(c), RoundedBox(-10, -10, 10, 610, 0),
         Vertical(0, Hex(0xEEF3FA), 600, Hex(0xC9D6E8)));
    return c;
}
