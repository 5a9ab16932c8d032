// A folder of pictures as an integrator gives them: every pixel unlike its neighbours, so that a
// shifted row or a swapped channel shows. German and French come with rest pictures (German's
// top row and French's outer columns a little off the background, French by the most allowed),
// English and Italian without; the icon is given as icon-48.png, icon-32.png and icon-16.png.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct TestPictures {
    std::vector<uint8_t> background;  // 800 x 600, red, green, blue
    std::vector<uint8_t> rest[4];     // 156 x 93; empty where the folder has no rest picture
    std::vector<uint8_t> lit[4];
    int iconSizes[3] = {48, 32, 16};
    std::vector<uint8_t> icons[3];  // red, green, blue, alpha
};

const TestPictures& GivenPictures();
// Writes every file of the folder, which must exist; false on failure.
bool WriteTestPictures(const std::string& folder);
