// The launcher built from a folder of PNG files: its frame buffer shows the pictures given, the
// rest pictures it was given or made from the background, and the icon holds the given images.
#include <gtest/gtest.h>

#include <cstdlib>

#include "artwork/artwork.h"
#include "display/display.h"
#include "launcher/launcher_main.h"
#include "tests/artwork/test_pictures.h"
#include "tests/support/input_script.h"
#include "tools/artgen/png.h"

namespace {

// The frame buffer's pixel as red, green, blue.
void FramePixel(int x, int y, uint8_t rgb[3]) {
    uint32_t pixel = FrameBuffer[y * frameRowPixels + x];
    for (int c = 0; c < 3; ++c) rgb[c] = static_cast<uint8_t>(pixel >> (16 - 8 * c));
}

// Counts the frame-buffer pixels of button `language` that differ from `picture`; `edgeSlack`
// lets the one-pixel edge differ by that much a channel.
int DifferingButtonPixels(int language, const std::vector<uint8_t>& picture, int edgeSlack) {
    int differing = 0;
    for (int y = 0; y < kArtButtonHeight; ++y) {
        for (int x = 0; x < kArtButtonWidth; ++x) {
            uint8_t shown[3];
            FramePixel(kArtButtonLeft + x, kArtButtonTop[language] + y, shown);
            bool edge = x == 0 || y == 0 || x == kArtButtonWidth - 1 || y == kArtButtonHeight - 1;
            for (int c = 0; c < 3; ++c) {
                int wanted = picture[static_cast<size_t>(y * kArtButtonWidth + x) * 3 + c];
                if (std::abs(shown[c] - wanted) > (edge ? edgeSlack : 0)) {
                    ++differing;
                    break;
                }
            }
        }
    }
    return differing;
}

std::vector<uint8_t> BackgroundUnder(int language) {
    const std::vector<uint8_t>& background = GivenPictures().background;
    std::vector<uint8_t> under;
    for (int y = 0; y < kArtButtonHeight; ++y) {
        auto row = background.begin() + ((kArtButtonTop[language] + y) * 800 + kArtButtonLeft) * 3;
        under.insert(under.end(), row, row + kArtButtonWidth * 3);
    }
    return under;
}

TEST(GivenPictures, TheLauncherShowsTheBackgroundAndEachButtonLitAndAtRest) {
    const TestPictures& given = GivenPictures();
    HeadlessReset();
    InputScript script;
    script.CloseAtEnd();
    int backgroundDiffers = -1;
    int litDiffers[4] = {-1, -1, -1, -1};
    int restDiffers[4] = {-1, -1, -1, -1};
    script.Then([&] {
        backgroundDiffers = 0;
        for (int y = 0; y < 600; ++y) {
            for (int x = 0; x < 800; ++x) {
                uint8_t shown[3];
                FramePixel(x, y, shown);
                backgroundDiffers +=
                    !std::equal(shown, shown + 3, &given.background[(y * 800 + x) * 3]);
            }
        }
    });
    for (int i = 0; i < 4; ++i) {
        script.MoveTo(700, kArtButtonTop[i] + 40);
        script.Ticks(10);
        script.Then([&, i] { litDiffers[i] = DifferingButtonPixels(i, given.lit[i], 0); });
        script.MoveTo(300, 300);
        script.Ticks(10);
        // A rest picture that was not given is the background but for a faint edge.
        script.Then([&, i] {
            restDiffers[i] = given.rest[i].empty() ? DifferingButtonPixels(i, BackgroundUnder(i), 8)
                                                   : DifferingButtonPixels(i, given.rest[i], 0);
        });
    }
    EXPECT_EQ(LauncherMain(SW_SHOWNORMAL), 0);
    EXPECT_EQ(backgroundDiffers, 0);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(litDiffers[i], 0) << "button " << i;
        EXPECT_EQ(restDiffers[i], 0) << "button " << i;
    }
}

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

// Each icon image comes out as a 32-bit bitmap entry, rows bottom-up in blue, green, red, alpha.
TEST(GivenPictures, TheIconHoldsTheGivenImagesExactly) {
    std::vector<uint8_t> icon;
    ASSERT_TRUE(ReadFileBytes(GIVEN_ICON, &icon));
    ASSERT_GE(icon.size(), 6u + 3 * 16);
    ASSERT_EQ(icon[4], 3);
    const TestPictures& given = GivenPictures();
    for (int i = 0; i < 3; ++i) {
        int size = given.iconSizes[i];
        SCOPED_TRACE(size);
        const uint8_t* entry = &icon[6 + 16 * i];
        ASSERT_EQ(entry[0], size);
        size_t offset = Le32(icon, 6 + 16 * i + 12);
        ASSERT_LE(offset + 40 + size * size * 4, icon.size());
        EXPECT_EQ(Le32(icon, offset + 14) & 0xFFFF, 32u);
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const uint8_t* bgra = &icon[offset + 40 + ((size - 1 - y) * size + x) * 4];
                const uint8_t* rgba = &given.icons[i][(y * size + x) * 4];
                ASSERT_EQ((std::vector<uint8_t>{bgra[2], bgra[1], bgra[0], bgra[3]}),
                          (std::vector<uint8_t>(rgba, rgba + 4)))
                    << "at " << x << "," << y;
            }
        }
    }
}

}  // namespace
