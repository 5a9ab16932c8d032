// The launcher's icon: one group of 20 images, 64, 48, 32, 24 and 16 pixels square, each at
// 32, 24, 8 and 4 bits a pixel, written as a Windows .ico file with BMP-format entries.
#pragma once
#include <cstdint>
#include <vector>

struct IconImage {
    int size;
    int bits;
    std::vector<uint8_t> rgba;  // what the entry shows: colours after the palette, alpha 0 or
                                // 255 below 32 bits
};

std::vector<IconImage> DrawIconImages();
std::vector<uint8_t> EncodeIcon(const std::vector<IconImage>& images);
