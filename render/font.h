// Bitmap fonts: the Font record, width measurement and drawing a string.
#pragma once
#include <cstdint>

// The first of these set in fontFlags picks the sheet format; with none, 3 bytes red, green, blue.
enum FontFlags : uint32_t {
    FontProportional = 0x01,  // character widths from glyphWidths, else cellWidth
    FontGrey = 0x02,          // 1 byte grey v: v != 0 is drawn opaque grey
    FontCoverage = 0x04,      // 1 byte coverage of `color`, weighted by 256 - a
    FontAlpha32 = 0x10,       // 4 bytes alpha, blue, green, red, weighted by 256 - a
};

struct Font {
    const uint8_t* glyphs;  // the sheet: every glyph side by side, cellWidth apart
    int32_t cellWidth;      // 0..255
    int32_t glyphHeight;
    int32_t sheetStride;  // sheet pixels from one row to the next
    uint32_t fontFlags;
    uint32_t color;   // coverage fonts: bytes blue, green, red, fourth byte
    int32_t spacing;  // pixels after every character, the last one included
    uint8_t glyphWidths[256];
};

// The character's width plus the font's spacing: how far the pen moves past it.
int32_t CharacterAdvance(char ch, const Font* font);
// Sum of (width + spacing) over the characters; 0 for the empty text.
int32_t TextWidth(const char* text, const Font* font);
// The same over the first `count` characters, stopping at the terminator; a negative count
// measures the whole text.
int32_t TextPrefixWidth(int32_t count, const char* text, const Font* font);
// Draws the text with its top-left corner at (x, y); the caller invalidates.
void DrawString(const Font* font, const char* text, int32_t x, int32_t y);
