// An integrator's menu.ini (docs/artwork.md): one [button N] section a button, read with inih and
// checked whole; the first fault comes back as one message that names the file and its line.
#pragma once
#include <string>
#include <vector>

#include "tools/artgen/pictures.h"

// The buttons of `path`, without pictures; those without a place of their own take the default
// column. Returns "" or the fault.
std::string ReadMenu(const std::string& path, std::vector<MenuButton>* buttons);

// Whether the buttons, now sized by their pictures, lie inside the window and apart. Returns ""
// or the fault, named as in menu.ini at `path`.
std::string CheckPlaces(const std::string& path, const std::vector<MenuButton>& buttons);
