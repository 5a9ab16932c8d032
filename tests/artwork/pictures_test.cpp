// The embedded pictures' contracts with the painter: the background shows the buttons at rest,
// the rest pictures differ from it only by a faint one-pixel edge, the lit pictures stand out.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <utility>

#include "artwork/artwork.h"

namespace {

struct Button {
    const char* name;
    const uint8_t* rest;
    const uint8_t* lit;
};

// The default menu's four buttons, in its order.
const Button kButtons[4] = {
    {"German", artMenu[0].rest, artMenu[0].lit},
    {"English", artMenu[1].rest, artMenu[1].lit},
    {"French", artMenu[2].rest, artMenu[2].lit},
    {"Italian", artMenu[3].rest, artMenu[3].lit},
};
constexpr int kArtButtonBytes = kArtButtonWidth * kArtButtonHeight * 3;

// One channel of the background, 0 = red, 1 = green, 2 = blue, as a picture byte would hold it.
int BackgroundChannel(int x, int y, int channel) {
    return static_cast<int>(artBackground[y * 800 + x] >> (16 - 8 * channel) & 255);
}

TEST(Pictures, BackgroundKeepsTheFourthByteZero) {
    for (int i = 0; i < 800 * 600; ++i) ASSERT_EQ(artBackground[i] >> 24, 0u) << "pixel " << i;
}

TEST(Pictures, RestPicturesAreTheBackgroundButForAFaintOneLineEdge) {
    for (int b = 0; b < 4; ++b) {
        SCOPED_TRACE(kButtons[b].name);
        bool onTop = false;
        bool onSides = false;
        int changed = 0;
        for (int y = 0; y < kArtButtonHeight; ++y) {
            for (int x = 0; x < kArtButtonWidth; ++x) {
                int worst = 0;
                for (int c = 0; c < 3; ++c) {
                    int picture = kButtons[b].rest[(y * kArtButtonWidth + x) * 3 + c];
                    int under = BackgroundChannel(kArtButtonLeft + x, kArtButtonTop[b] + y, c);
                    worst = std::max(worst, std::abs(picture - under));
                }
                if (worst == 0) continue;
                ++changed;
                ASSERT_LE(worst, 8) << "at " << x << "," << y;
                bool top = y == 0;
                bool side = x == 0 || x == kArtButtonWidth - 1;
                ASSERT_TRUE(top || side) << "inner pixel differs at " << x << "," << y;
                onTop |= top && !side;
                onSides |= side && !top;
            }
        }
        EXPECT_GT(changed, 0);
        EXPECT_FALSE(onTop && onSides) << "the edge is the top row or the outer columns, not both";
    }
}

TEST(Pictures, LitPicturesStandOutFromRestAndFromEachOther) {
    for (int b = 0; b < 4; ++b) {
        SCOPED_TRACE(kButtons[b].name);
        int differing = 0;
        for (int i = 0; i < kArtButtonBytes; i += 3) {
            int distance = 0;
            for (int c = 0; c < 3; ++c) {
                distance += std::abs(kButtons[b].lit[i + c] - kButtons[b].rest[i + c]);
            }
            if (distance > 24) ++differing;
        }
        EXPECT_GT(differing, kArtButtonWidth * kArtButtonHeight / 2);
    }
    std::set<std::string> lit;
    for (const Button& button : kButtons) {
        lit.insert(std::string(reinterpret_cast<const char*>(button.lit), kArtButtonBytes));
    }
    EXPECT_EQ(lit.size(), 4u);
}

// Outside the rounded card a lit picture shows the background, so fading it in and out never
// flashes a rectangle around the button.
TEST(Pictures, LitPicturesKeepTheBackgroundInTheirCorners) {
    for (int b = 0; b < 4; ++b) {
        SCOPED_TRACE(kButtons[b].name);
        for (auto [x, y] : {std::pair{0, 0},
                            {kArtButtonWidth - 1, 0},
                            {0, kArtButtonHeight - 1},
                            {kArtButtonWidth - 1, kArtButtonHeight - 1}}) {
            for (int c = 0; c < 3; ++c) {
                EXPECT_EQ(kButtons[b].lit[(y * kArtButtonWidth + x) * 3 + c],
                          BackgroundChannel(kArtButtonLeft + x, kArtButtonTop[b] + y, c))
                    << "corner " << x << "," << y;
            }
        }
    }
}

TEST(Pictures, EveryButtonPictureEndsInFourZeroBytes) {
    for (const Button& button : kButtons) {
        for (const uint8_t* picture : {button.rest, button.lit}) {
            for (int i = 0; i < 4; ++i) EXPECT_EQ(picture[kArtButtonBytes + i], 0) << button.name;
        }
    }
}

}  // namespace
