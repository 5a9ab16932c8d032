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

std::vector<MenuButton> DefaultMenu() {
    // The installer names, and the language that each button's words are in.
    const char* const runs[4] = {"setup_ger.exe", "setup_eng.exe", "setup_fra.exe",
                                 "setup_ita.exe"};
    const char* const languages[4] = {"de", "en", "fr", "it"};
    std::vector<MenuButton> menu(4);
    for (int i = 0; i < 4; ++i) {
        MenuButton& b = menu[static_cast<size_t>(i)];
        b.picture = kLanguageButtons[i].englishName;
        b.what = b.picture + " button";
        for (char& c : b.picture)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        b.name = kLanguageButtons[i].label;
        b.run = runs[i];
        b.language = languages[i];
        b.left = kArtButtonLeft;
        b.top = kArtButtonTop[i];
        b.width = kArtButtonWidth;
        b.height = kArtButtonHeight;
        b.restEdgeIsTop = kLanguageButtons[i].restEdgeIsTop;
    }
    return menu;
}

std::string ButtonFileName(const std::string& picture, const char* look) {
    return "button-" + picture + "-" + look + ".png";
}

std::vector<uint8_t> RestFromBackground(const std::vector<uint8_t>& background,
                                        const MenuButton& button) {
    std::vector<uint8_t> bytes;
    for (int y = 0; y < button.height; ++y) {
        for (int x = 0; x < button.width; ++x) {
            bool edge = button.restEdgeIsTop ? y == 0 : x == 0 || x == button.width - 1;
            size_t at =
                (static_cast<size_t>(button.top + y) * 800 + static_cast<size_t>(button.left + x)) *
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
    pictures.buttons = DefaultMenu();
    for (size_t i = 0; i < 4; ++i) {
        MenuButton& b = pictures.buttons[i];
        b.rest = RestFromBackground(pictures.background, b);
        b.lit = ToRgb(lit[i]);
    }
    return pictures;
}
