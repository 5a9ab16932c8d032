// The product the launcher belongs to, as the build was told (cmake/product.cmake).
#pragma once

// The product's name (UTF-8): the window's class name and title, and what the guard that lets one
// launcher of the product run at a time is named after.
extern const char kProductName[];
// Whether keys choose in the menu (launcher/menu_keys.h); without, keys start and light nothing.
extern const bool kKeysChoose;
