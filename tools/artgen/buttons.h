// The four language buttons: a card with the language's flag and name, pale and see-through
// at rest (part of the background), in full colour when lit.
#pragma once
#include "tools/canvas/canvas.h"

struct LanguageButton {
    const char* englishName;  // German, English, ...: names its picture files and messages
    const char* label;      // the language's name in that language, UTF-8
    bool restEdgeIsTop;     // the rest picture's faint edge: top row, or else the outer columns
};

extern const LanguageButton kLanguageButtons[4];

// Draws the buttons at rest into the scene and returns the four lit pictures (156 x 93), drawn
// over the same surroundings so that their corners match the background.
std::vector<Canvas> DrawButtons(Canvas& scene);
