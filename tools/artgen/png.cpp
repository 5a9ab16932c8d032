// Pictures are decoded to 8-bit RGBA whatever their colour type, with transparency applied and
// no gamma correction, so the bytes are the ones the artist saved.
#include "tools/artgen/png.h"

#include <spng.h>

#include <cstdio>
#include <memory>

namespace {

struct ContextFree {
    void operator()(spng_ctx* ctx) const { spng_ctx_free(ctx); }
};
using Context = std::unique_ptr<spng_ctx, ContextFree>;

// Larger pictures than any the launcher or an icon uses are refused before they are allocated.
constexpr uint32_t kMaxSide = 4096;

}  // namespace

bool WritePng(const std::string& path, int width, int height, int channels,
              const std::vector<uint8_t>& pixels) {
    if (pixels.size() !=
        static_cast<size_t>(width) * static_cast<size_t>(height) * static_cast<size_t>(channels)) {
        return false;
    }
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) return false;
    Context ctx(spng_ctx_new(SPNG_CTX_ENCODER));
    spng_ihdr header{};
    header.width = static_cast<uint32_t>(width);
    header.height = static_cast<uint32_t>(height);
    header.bit_depth = 8;
    header.color_type = channels == 4 ? SPNG_COLOR_TYPE_TRUECOLOR_ALPHA : SPNG_COLOR_TYPE_TRUECOLOR;
    bool ok = ctx != nullptr && spng_set_png_file(ctx.get(), out) == 0 &&
              spng_set_ihdr(ctx.get(), &header) == 0 &&
              spng_encode_image(ctx.get(), pixels.data(), pixels.size(), SPNG_FMT_PNG,
                                SPNG_ENCODE_FINALIZE) == 0;
    ctx.reset();
    return std::fclose(out) == 0 && ok;
}

std::string DecodePng(const std::vector<uint8_t>& file, PngPicture* picture) {
    Context ctx(spng_ctx_new(0));
    if (ctx == nullptr) return "out of memory";
    spng_ihdr header{};
    size_t size = 0;
    int error = spng_set_image_limits(ctx.get(), kMaxSide, kMaxSide);
    if (error == 0) error = spng_set_png_buffer(ctx.get(), file.data(), file.size());
    if (error == 0) error = spng_get_ihdr(ctx.get(), &header);
    if (error == 0) error = spng_decoded_image_size(ctx.get(), SPNG_FMT_RGBA8, &size);
    if (error != 0) return spng_strerror(error);
    spng_trns transparency{};
    picture->width = static_cast<int>(header.width);
    picture->height = static_cast<int>(header.height);
    picture->bitDepth = header.bit_depth;
    picture->hasAlpha = header.color_type == SPNG_COLOR_TYPE_TRUECOLOR_ALPHA ||
                        header.color_type == SPNG_COLOR_TYPE_GRAYSCALE_ALPHA ||
                        spng_get_trns(ctx.get(), &transparency) == 0;
    picture->rgba.resize(size);
    error =
        spng_decode_image(ctx.get(), picture->rgba.data(), size, SPNG_FMT_RGBA8, SPNG_DECODE_TRNS);
    return error == 0 ? "" : spng_strerror(error);
}

bool ReadFileBytes(const std::string& path, std::vector<uint8_t>* bytes) {
    FILE* in = std::fopen(path.c_str(), "rb");
    if (in == nullptr) return false;
    bytes->clear();
    uint8_t block[65536];
    for (size_t got; (got = std::fread(block, 1, sizeof block, in)) > 0;) {
        bytes->insert(bytes->end(), block, block + got);
    }
    bool ok = std::ferror(in) == 0;
    std::fclose(in);
    return ok;
}
