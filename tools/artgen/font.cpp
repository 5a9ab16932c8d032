// ARTGEN_FONT_DIR is the build machine's folder of DejaVu fonts, found by the build.
#include "tools/artgen/font.h"

RenderedFont LetteringFont(int32_t pixelSize) {
    return RenderFont(std::string(ARTGEN_FONT_DIR) + "/DejaVuSans-Bold.ttf", pixelSize);
}

Shape Lettering(const RenderedFont& font, const std::string& text, int32_t left, int32_t capTop,
                int32_t reach) {
    return TextShape(font, text, left, capTop - (font.ascent - font.capHeight), reach);
}
