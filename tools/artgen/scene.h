// The cartoon scene behind the launcher's buttons: sky, sun, clouds, hills, a house, a little
// car on a country road, the title at the top left and the logo at the bottom right.
#pragma once
#include "tools/canvas/canvas.h"

Canvas DrawScene();
