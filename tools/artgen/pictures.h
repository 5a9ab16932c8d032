// The launcher's pictures and menu as the generator draws them or the importer reads them,
// before they are written out as source.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// One button of the menu, with its pictures: red, green, blue bytes, rows top to bottom.
struct MenuButton {
    std::string what;     // names the button in messages: "Italian button", "[button 2]"
    std::string picture;  // the base of its file names: button-<picture>-lit.png
    std::string name, run, arguments, language;
    bool hasArguments = false;
    int left = 0, top = 0, width = 0, height = 0;
    bool restEdgeIsTop = true;  // the drawn rest picture's faint edge: top row, or outer columns
    int line = 0;               // its section's line in menu.ini; 0 for the default menu
    int pictureLine = 0;        // the line of its picture key
    std::vector<uint8_t> rest, lit;
};

struct Pictures {
    std::vector<uint8_t> background;  // 800 x 600
    std::vector<MenuButton> buttons;  // in menu order
};

// The four language buttons of the default menu, without pictures.
std::vector<MenuButton> DefaultMenu();

// The name of a button picture file: button-german-rest.png, button-start-lit.png and so on.
std::string ButtonFileName(const std::string& picture, const char* look);

// The background under a button, but for its faint edge: each byte there moves 2 towards the
// middle, too little to see and never zero.
std::vector<uint8_t> RestFromBackground(const std::vector<uint8_t>& background,
                                        const MenuButton& button);

Pictures DrawPictures();
