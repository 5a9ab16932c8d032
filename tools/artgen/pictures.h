// The launcher's nine pictures as the generator draws them or the importer reads them, before
// they are written out as source.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Red, green, blue bytes, rows top to bottom. Buttons in the order German, English, French,
// Italian.
struct Pictures {
    std::vector<uint8_t> background;  // 800 x 600
    std::vector<uint8_t> rest[4];     // 156 x 93 each
    std::vector<uint8_t> lit[4];      // 156 x 93 each
};

// The name of a button picture file: button-german-rest.png, button-french-lit.png and so on.
std::string ButtonFileName(int language, const char* look);

// The background under a button, but for its faint edge: each byte there moves 2 towards the
// middle, too little to see and never zero.
std::vector<uint8_t> RestFromBackground(const std::vector<uint8_t>& background, int language);

Pictures DrawPictures();
