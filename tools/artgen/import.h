// The launcher's artwork from an integrator's folder of PNG files (docs/artwork.md). Each file is
// checked whole before anything is written, and nothing is resized or converted by guess: the
// first problem comes back as one message that names the file.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/artgen/pictures.h"

// The background, the four lit buttons and, where the folder has them, the rest pictures; a rest
// picture it lacks is made from the background. Returns "" or the problem.
std::string ImportPictures(const std::string& folder, Pictures* pictures);

// The icon group as an .ico file: icon.ico as it is, or one made from icon-<size>.png images.
// Leaves `icon` empty when the folder gives no icon. Returns "" or the problem.
std::string ImportIcon(const std::string& folder, std::vector<uint8_t>* icon);
