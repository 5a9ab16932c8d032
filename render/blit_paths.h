// The picture kernel's implementations, one per instruction set; picture_blit.cpp picks one.
#pragma once
#include "render/picture_blit.h"

void BlitPictureScalar(const PictureBlit& blit);
void BlitPictureSsse3(const PictureBlit& blit);
void BlitPictureAvx2(const PictureBlit& blit);
