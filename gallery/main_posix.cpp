// Gallery entry on Linux: `gallery [PAGE]` opens on page 1 to 4 (1 without an argument).
#include <cstdio>

#include "gallery/gallery_main.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
    const int32_t page = argc > 1 ? PageOfArgument(argv[1]) : 0;
    if (argc > 2 || page < 0) {
        std::fprintf(stderr, "usage: gallery [PAGE]   (PAGE: 1 to %d)\n", kGalleryPageCount);
        return 2;
    }
    return GalleryMain(SW_SHOWDEFAULT, page);
}
