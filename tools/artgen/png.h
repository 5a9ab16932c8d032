// Minimal PNG writer for previews: 8-bit RGB or RGBA, deflate with stored blocks only.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// `pixels` holds `channels` (3 or 4) bytes a pixel, rows top to bottom. Returns false on failure.
bool WritePng(const std::string& path, int width, int height, int channels,
              const std::vector<uint8_t>& pixels);
