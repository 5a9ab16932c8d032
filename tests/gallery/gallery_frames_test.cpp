// Each page's first frame, exactly: the test builds it from the gallery's artwork and page
// data with its own picture placement, and compares the frame buffer and the screen with it.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "gallery/gallery_art.h"
#include "gallery/gallery_fonts.h"
#include "gallery/pages.h"
#include "gallery/status_line.h"
#include "render/draw.h"
#include "tests/gallery/gallery_fixture.h"
#include "tests/render/render_fixture.h"
#include "toolkit/toolkit_state.h"

namespace {

using Frame = std::vector<uint32_t>;

// A width x height picture (and its mask, if any), `stride` pixels a row, blended over the frame
// at (x, y); its colours halved first when disabled.
void Place(Frame& f, int32_t x, int32_t y, int32_t width, int32_t height, const uint8_t* picture,
           int32_t stride, const uint8_t* mask, bool half) {
    for (int32_t r = 0; r < height; ++r) {
        for (int32_t k = 0; k < width; ++k) {
            const uint32_t m = mask != nullptr ? mask[r * stride + k] : 255;
            uint32_t source = PictureAt(picture, size_t(r * stride + k));
            if (half) source = source >> 1 & 0x7F7F7Fu;
            uint32_t& d = f[size_t(y + r) * 800 + size_t(x + k)];
            d = PerChannel(d, source,
                           [m](uint32_t a, uint32_t b) { return ExpectedBlend(a, b, m); });
        }
    }
}

// The text field's panel and text, with the render routines themselves drawing into `f`.
void PlaceTextField(Frame& f, const Control& c) {
    uint32_t* shown = FrameBuffer;
    FrameBuffer = f.data();
    const int32_t b = c.extent;
    DrawFrame(c.x - b, c.y - b + 2, c.width + b, c.height + b, 255, 255, 255, b, c.frameArt);
    FillArea(c.x + b, c.y + b, c.width - 2 * b, c.height - 2 * b, 255, 255, 255);
    Font font = *c.font;
    if ((c.flags & FlagDisabled) != 0) font.color = (font.color >> 1) & 0x7F7F7Fu;
    const int32_t avail = c.width - 2 * b;
    int32_t x = c.x;
    if ((c.flags & AlignCenter) != 0) x = c.x + avail / 2 - TextWidth(c.text, &font) / 2;
    if ((c.flags & AlignRight) != 0) x = c.x + avail - TextWidth(c.text, &font);
    DrawString(&font, c.text, x, c.y + (c.height - font.glyphHeight) / 2);
    FrameBuffer = shown;
}

void PlaceControl(Frame& f, const Control& c) {
    const bool half = (c.flags & FlagDisabled) != 0;
    const RgbPicture rest = c.checked != 0 ? c.imageCheckedNormal : c.imageNormal;
    switch (c.type) {
        case ControlSliderKnob:
            Place(f, c.x + (c.orientation == 0 ? c.value : 0),
                  c.y + (c.orientation == 1 ? c.value : 0), c.width, c.height, rest, c.width,
                  c.mask, half);
            return;
        case ControlCellPicker:
        case ControlFramedCellPicker: {
            const int32_t row = kArtCellColumns * kArtCell;
            const int32_t cell = c.selectedCell / kArtCellColumns * kArtCell * row +
                                 c.selectedCell % kArtCellColumns * kArtCell;
            Place(f, c.x, c.y, c.width, c.height, rest + 3 * cell, row, nullptr, half);
            return;
        }
        case ControlScrollBar: {
            const int32_t left = c.x + c.thumbOffset;
            const int32_t thumb = 75;  // a page of 25 of the 100 units on 300 pixels
            Place(f, left, c.y, kArtThumbCap, c.height, artThumbStart, kArtThumbCap,
                  artThumbStartMask, half);
            for (int32_t k = kArtThumbCap; k < thumb - kArtThumbCap; ++k) {
                Place(f, left + k, c.y, 1, c.height, artThumbMiddle, 1, artThumbMiddleMask, half);
            }
            Place(f, left + thumb - kArtThumbCap, c.y, kArtThumbCap, c.height, artThumbEnd,
                  kArtThumbCap, artThumbEndMask, half);
            return;
        }
        case ControlDial: {
            // The last frame shows value 0, each step away the one before; disabled: frame 0.
            const int32_t frame =
                half ? 0 : kArtDialFrames - 1 - std::abs(c.value) % kArtDialFrames;
            const int32_t area = kArtDialSize * kArtDialSize;
            Place(f, c.x, c.y, c.width, c.height, artDialStrip + 3 * frame * area, c.width,
                  artDialMask + frame * area, half);
            return;
        }
        case ControlTextField:
            PlaceTextField(f, c);
            return;
        default:
            // The areas over the panels have no pictures and show none.
            if (rest != nullptr) {
                Place(f, c.x, c.y, c.width, c.height, rest, c.width, c.mask, half);
            }
    }
}

// The backdrop, the page's decorations and status strip, then every control at rest.
Frame ExpectedFirstFrame(int32_t page) {
    Frame f(800 * 600);
    for (size_t y = 0; y < 600; ++y) {
        std::fill_n(f.begin() + ptrdiff_t(y * 800), 800, PictureAt(artBackdropColumn, y));
    }
    uint32_t* shown = FrameBuffer;
    FrameBuffer = f.data();
    const PageDecoration& d = kPageDecorations[page];
    Font title = artFontTitle;
    Font label = artFontLabel;
    Font status = artFontStatus;
    DrawString(&title, d.title, 20, 8);
    for (int32_t k = 0; k < d.panelCount; ++k) {
        const PagePanel& p = d.panels[k];
        FillArea(p.x, p.y, p.width, p.height, p.red, p.green, p.blue);
    }
    for (int32_t k = 0; k < d.labelCount; ++k) {
        DrawString(&label, d.labels[k].text, d.labels[k].x, d.labels[k].y);
    }
    const PagePanel& s = kStatusStrip;
    FillArea(s.x, s.y, s.width, s.height, s.red, s.green, s.blue);
    const std::string state = "page " + std::to_string(page + 1) + ": " + d.title;
    DrawString(&status, state.c_str(), 12, kStatusTop + 41);
    FrameBuffer = shown;
    for (int32_t i = 0; i < galleryPages[page]->count; ++i) {
        PlaceControl(f, galleryPages[page]->items[i]);
    }
    return f;
}

class GalleryFramesTest : public GalleryTest, public ::testing::WithParamInterface<int32_t> {};

TEST_P(GalleryFramesTest, TheFirstFrameIsTheArtworkInItsPlacesAndTheScreenShowsIt) {
    const int32_t page = GetParam();
    Frame frame, screen;
    script_->Then([&] {
        frame.assign(FrameBuffer, FrameBuffer + 800 * 600);
        screen = ClientOnScreen();
    });
    ASSERT_EQ(Run(page), 0);
    const Frame expected = ExpectedFirstFrame(page);
    int32_t wrong = 0;
    for (size_t i = 0; i < expected.size(); ++i) {
        if (frame[i] != expected[i] && ++wrong <= 3) {
            ADD_FAILURE() << "pixel (" << i % 800 << ", " << i / 800 << "): " << std::hex
                          << frame[i] << " instead of " << expected[i];
        }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_TRUE(screen == frame);
}

INSTANTIATE_TEST_SUITE_P(EveryPage, GalleryFramesTest, ::testing::Values(0, 1, 2, 3));

}  // namespace
