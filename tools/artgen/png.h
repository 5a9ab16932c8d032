// PNG files through libspng, for the artwork tools only: the launcher itself decodes nothing.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// `pixels` holds `channels` (3 or 4) bytes a pixel, rows top to bottom. Returns false on failure.
bool WritePng(const std::string& path, int width, int height, int channels,
              const std::vector<uint8_t>& pixels);

struct PngPicture {
    int width = 0;
    int height = 0;
    int bitDepth = 0;           // bits a channel as stored in the file
    bool hasAlpha = false;      // an alpha channel or a transparency chunk
    std::vector<uint8_t> rgba;  // red, green, blue, alpha a pixel, rows top to bottom; alpha 255
                                // where the file has none. Colour values as stored, no gamma.
};

// Decodes a whole PNG file held in memory; on failure returns libspng's reason, else "".
std::string DecodePng(const std::vector<uint8_t>& file, PngPicture* picture);
// Reads a file whole; false when it cannot be read.
bool ReadFileBytes(const std::string& path, std::vector<uint8_t>* bytes);
