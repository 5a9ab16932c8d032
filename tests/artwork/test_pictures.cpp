// Pictures from small formulas of position and language, written with the artwork tool's writer.
#include "tests/artwork/test_pictures.h"

#include "artwork/artwork.h"
#include "tools/artgen/png.h"

namespace {

// Spelt out as the integrator's guide gives them.
const char* const kButtonFiles[4] = {"button-german-", "button-english-", "button-french-",
                                     "button-italian-"};

uint8_t Byte(int v) {
    return static_cast<uint8_t>(v & 255);
}

// The background under a button with its edge moved `by` towards the middle.
std::vector<uint8_t> RestWithEdge(const std::vector<uint8_t>& background, int language, bool topRow,
                                  int by) {
    std::vector<uint8_t> rest;
    for (int y = 0; y < kArtButtonHeight; ++y) {
        for (int x = 0; x < kArtButtonWidth; ++x) {
            bool edge = topRow ? y == 0 : x == 0 || x == kArtButtonWidth - 1;
            size_t at =
                static_cast<size_t>((kArtButtonTop[language] + y) * 800 + kArtButtonLeft + x) * 3;
            for (int c = 0; c < 3; ++c) {
                int v = background[at + c];
                rest.push_back(Byte(edge ? (v < 128 ? v + by : v - by) : v));
            }
        }
    }
    return rest;
}

TestPictures Make() {
    TestPictures p;
    for (int y = 0; y < 600; ++y) {
        for (int x = 0; x < 800; ++x) {
            p.background.insert(p.background.end(),
                                {Byte(x * 7 + y * 3), Byte(x * y + 11 * y), Byte(x ^ (y * 5))});
        }
    }
    for (int i = 0; i < 4; ++i) {
        for (int y = 0; y < kArtButtonHeight; ++y) {
            for (int x = 0; x < kArtButtonWidth; ++x) {
                p.lit[i].insert(p.lit[i].end(), {Byte(x * 13 + i * 60), Byte(y * 17 + i * 40),
                                                 Byte((x + y) * 5 + i * 90)});
            }
        }
    }
    p.rest[0] = RestWithEdge(p.background, 0, true, 5);
    p.rest[2] = RestWithEdge(p.background, 2, false, 8);
    for (int i = 0; i < 3; ++i) {
        int size = p.iconSizes[i];
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                p.icons[i].insert(p.icons[i].end(), {Byte(x * 5), Byte(y * 5), Byte(size + x * y),
                                                     Byte(x * 16 + y * 3)});
            }
        }
    }
    return p;
}

}  // namespace

const TestPictures& GivenPictures() {
    static const TestPictures pictures = Make();
    return pictures;
}

bool WriteTestPictures(const std::string& folder) {
    const TestPictures& p = GivenPictures();
    bool ok = WritePng(folder + "/background.png", 800, 600, 3, p.background);
    for (int i = 0; i < 4; ++i) {
        ok = WritePng(folder + "/" + kButtonFiles[i] + "lit.png", kArtButtonWidth, kArtButtonHeight,
                      3, p.lit[i]) &&
             ok;
        if (p.rest[i].empty()) continue;
        ok = WritePng(folder + "/" + kButtonFiles[i] + "rest.png", kArtButtonWidth,
                      kArtButtonHeight, 3, p.rest[i]) &&
             ok;
    }
    for (int i = 0; i < 3; ++i) {
        int size = p.iconSizes[i];
        ok = WritePng(folder + "/icon-" + std::to_string(size) + ".png", size, size, 4,
                      p.icons[i]) &&
             ok;
    }
    return ok;
}
