// The drawn pictures come from the scene and button descriptions of this folder; the rest
// pictures are cut from the finished background.
#include "tools/artgen/pictures.h"

#include <cctype>
#include <cmath>

#include "artwork/artwork.h"
#include "tools/artgen/buttons.h"
#include "tools/artgen/scene.h"

namespace {

std::vector<uint8_t> ToRgb(const Canvas& canvas) {
    std::vector<uint8_t> bytes;
    bytes.reserve(canvas.pixels.size() * 3);
    for (const Colour& c : canvas.pixels) {
        for (float v : {c.r, c.g, c.b})
            bytes.push_back(static_cast<uint8_t>(std::lround(Clamp01(v) * 255)));
    }
    return bytes;
}

}  // namespace

std::string ButtonFileName(int language, const char* look) {
    std::string name = kLanguageButtons[language].arrayName;
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return "button-" + name + "-" + look + ".png";
}

std::vector<uint8_t> RestFromBackground(const std::vector<uint8_t>& background, int language) {
    std::vector<uint8_t> bytes;
    for (int y = 0; y < kArtButtonHeight; ++y) {
        for (int x = 0; x < kArtButtonWidth; ++x) {
            bool edge = kLanguageButtons[language].restEdgeIsTop
                            ? y == 0
                            : x == 0 || x == kArtButtonWidth - 1;
            size_t at = (static_cast<size_t>(kArtButtonTop[language] + y) * 800 +
                         static_cast<size_t>(kArtButtonLeft + x)) *
                        3;
            for (size_t c = 0; c < 3; ++c) {
                uint8_t v = background[at + c];
                if (edge) v = static_cast<uint8_t>(v < 128 ? v + 2 : v - 2);
                bytes.push_back(v);
            }
        }
    }
    return bytes;
}

Pictures DrawPictures() {
    Canvas scene = DrawScene();
    std::vector<Canvas> lit = DrawButtons(scene);
    Pictures pictures;
    pictures.background = ToRgb(scene);
    for (int i = 0; i < 4; ++i) {
        pictures.rest[i] = RestFromBackground(pictures.background, i);
        pictures.lit[i] = ToRgb(lit[i]);
    }
    return pictures;
}
