// A button card is drawn whole onto a copy of the scene; the rest look mixes a washed-out card
// into the scene so the hills show through, the lit look is the card itself.
#include "tools/artgen/buttons.h"

#include <cmath>

#include "artwork/artwork.h"
#include "tools/artgen/font.h"

const LanguageButton kLanguageButtons[4] = {
    {"German", "Deutsch", true},
    {"English", "English", true},
    {"French", "Français", false},
    {"Italian", "Italiano", false},
};

namespace {

using Tone = Colour (*)(Colour);

Colour FullColour(Colour c) {
    return c;
}
// The rest look: mostly grey and a little lighter, before it is mixed into the scene.
Colour Washed(Colour c) {
    return Mix(Mix(c, Grey(c), 0.55f), Hex(0xffffff), 0.25f);
}

constexpr float kBandHeight = 29;

struct Area {
    float left, top, right, bottom;
};

// A gentle ripple of light and shade makes the flag read as cloth.
Paint Cloth(Colour colour, Tone tone) {
    return [=](float x, float y) {
        float light = 0.07f * std::sin(x / 13 + y / 40);
        Colour c = light > 0 ? Mix(colour, Hex(0xffffff), light) : Mix(colour, Hex(0), -light);
        return tone(c);
    };
}

Shape Rect(float left, float top, float right, float bottom) {
    return RoundedBox(left, top, right, bottom, 0);
}

void DrawStripes(Canvas& canvas, Box box, const Shape& clip, Area a, const uint32_t colours[3],
                 bool vertical, Tone tone) {
    for (int i = 0; i < 3; ++i) {
        float from = static_cast<float>(i) / 3;
        float to = static_cast<float>(i + 1) / 3;
        Shape stripe = vertical ? Rect(a.left + (a.right - a.left) * from, a.top - 4,
                                       a.left + (a.right - a.left) * to, a.bottom + 4)
                                : Rect(a.left - 4, a.top + (a.bottom - a.top) * from, a.right + 4,
                                       a.top + (a.bottom - a.top) * to);
        Fill(canvas, box, Intersect(clip, stripe), Cloth(Hex(colours[i]), tone));
    }
}

void DrawUnionFlag(Canvas& canvas, Box box, const Shape& clip, Area a, Tone tone) {
    float cx = (a.left + a.right) / 2;
    float cy = (a.top + a.bottom) / 2;
    float w = a.right - a.left;
    float h = a.bottom - a.top;
    Fill(canvas, box, clip, Cloth(Hex(0x1f3a93), tone));
    Shape diagonals = Union(
        Segment(a.left - w * 0.1f, a.top - h * 0.1f, a.right + w * 0.1f, a.bottom + h * 0.1f, 0),
        Segment(a.left - w * 0.1f, a.bottom + h * 0.1f, a.right + w * 0.1f, a.top - h * 0.1f, 0));
    auto widened = [diagonals](float half) {
        return Shape([=](float x, float y) { return diagonals(x, y) - half; });
    };
    Fill(canvas, box, Intersect(clip, widened(7)), Cloth(Hex(0xffffff), tone));
    Fill(canvas, box, Intersect(clip, widened(2.2f)), Cloth(Hex(0xd22a35), tone));
    Shape cross = Union(Rect(a.left - 4, cy - 10, a.right + 4, cy + 10),
                        Rect(cx - 12, a.top - 4, cx + 12, a.bottom + 4));
    Fill(canvas, box, Intersect(clip, cross), Cloth(Hex(0xffffff), tone));
    Shape redCross = Union(Rect(a.left - 4, cy - 6, a.right + 4, cy + 6),
                           Rect(cx - 7, a.top - 4, cx + 7, a.bottom + 4));
    Fill(canvas, box, Intersect(clip, redCross), Cloth(Hex(0xd22a35), tone));
}

void DrawFlag(Canvas& canvas, Box box, const Shape& clip, Area a, int language, Tone tone) {
    static const uint32_t kGerman[3] = {0x1c1c1c, 0xdd1f1f, 0xffcc1a};
    static const uint32_t kFrench[3] = {0x1d4fa8, 0xffffff, 0xe9413a};
    static const uint32_t kItalian[3] = {0x0e9a4c, 0xffffff, 0xd5303b};
    switch (language) {
        case 0:
            DrawStripes(canvas, box, clip, a, kGerman, false, tone);
            break;
        case 1:
            DrawUnionFlag(canvas, box, clip, a, tone);
            break;
        case 2:
            DrawStripes(canvas, box, clip, a, kFrench, true, tone);
            break;
        default:
            DrawStripes(canvas, box, clip, a, kItalian, true, tone);
            break;
    }
}

Shape Card(float left, float top) {
    return RoundedBox(left + 2, top + 2, left + kArtButtonWidth - 2, top + kArtButtonHeight - 2,
                      11);
}

void DrawCard(Canvas& canvas, int language, const RenderedFont& font, Tone tone) {
    float left = kArtButtonLeft;
    float top = static_cast<float>(kArtButtonTop[language]);
    float right = left + kArtButtonWidth;
    float bottom = top + kArtButtonHeight;
    Box box{kArtButtonLeft, kArtButtonTop[language], kArtButtonLeft + kArtButtonWidth,
            kArtButtonTop[language] + kArtButtonHeight};
    Shape card = Card(left, top);
    float bandTop = bottom - 2 - kBandHeight;
    DrawFlag(canvas, box, Intersect(card, Rect(left - 4, top - 4, right + 4, bandTop)),
             {left + 2, top + 2, right - 2, bandTop}, language, tone);
    Fill(canvas, box, Intersect(card, Rect(left - 4, bandTop, right + 4, bottom + 4)),
         Vertical(bandTop, tone(Hex(0x2b4574)), bottom, tone(Hex(0x1a2b4d))));
    Fill(canvas, box, Intersect(card, Rect(left - 4, bandTop, right + 4, bandTop + 1.5f)),
         Hex(0x000000), 0.25f);
    const char* label = kLanguageButtons[language].label;
    int32_t textLeft = kArtButtonLeft + (kArtButtonWidth - TextWidth(font, label)) / 2;
    auto capTop = static_cast<int32_t>(
        std::round(bandTop + (kBandHeight - static_cast<float>(font.capHeight)) / 2 - 1));
    Shape text = Lettering(font, label, textLeft, capTop, 2);
    Fill(canvas, box, Offset(text, 1, 1), Hex(0x000000), 0.5f);
    Fill(canvas, box, text, Hex(0xffffff));
    Fill(canvas, box, Intersect(card, Ellipse(left + 60, top - 16, 120, 44)), Hex(0xffffff), 0.16f);
    Fill(canvas, box, Outline(card, 3), tone(Hex(0xffd44f)));
}

}  // namespace

std::vector<Canvas> DrawButtons(Canvas& scene) {
    for (int language = 0; language < 4; ++language) {
        float top = static_cast<float>(kArtButtonTop[language]);
        Shadow(scene, BoxAround(kArtButtonLeft + 80, top + 50, 90, 60),
               Offset(Card(kArtButtonLeft, top), 3, 4), Hex(0x12304f), 0.35f, 6);
    }
    std::vector<Canvas> lit;
    Canvas washed = scene;
    const RenderedFont font = LetteringFont(kLabelPixels);
    for (int language = 0; language < 4; ++language) {
        Canvas full = scene;
        DrawCard(full, language, font, FullColour);
        lit.push_back(
            Crop(full, kArtButtonLeft, kArtButtonTop[language], kArtButtonWidth, kArtButtonHeight));
        DrawCard(washed, language, font, Washed);
    }
    for (size_t i = 0; i < scene.pixels.size(); ++i) {
        scene.pixels[i] = Mix(scene.pixels[i], washed.pixels[i], 0.62f);
    }
    return lit;
}
