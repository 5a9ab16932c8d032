// The generated icon file: one group of 20 BMP-format images, each of the five sizes at each of
// the four depths, whose headers, palettes and masks agree with the directory.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <set>
#include <utility>
#include <vector>

namespace {

std::vector<uint8_t> ReadIcon() {
    std::vector<uint8_t> bytes;
    FILE* file = std::fopen(VARORIZO_LAUNCHER_ICON, "rb");
    if (file == nullptr) return bytes;
    for (int c; (c = std::fgetc(file)) != EOF;) bytes.push_back(static_cast<uint8_t>(c));
    std::fclose(file);
    return bytes;
}

uint32_t Read16(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8;
}
uint32_t Read32(const std::vector<uint8_t>& b, size_t at) {
    return Read16(b, at) | Read16(b, at + 2) << 16;
}

struct Entry {
    uint32_t size, bits, bytes, offset;
};

size_t RowBytes(uint32_t width, uint32_t bits) {
    return (width * bits + 31) / 32 * 4;
}

class Icon : public testing::Test {
protected:
    void SetUp() override {
        file = ReadIcon();
        ASSERT_GE(file.size(), 6u) << VARORIZO_LAUNCHER_ICON;
        ASSERT_EQ(Read16(file, 0), 0u);
        ASSERT_EQ(Read16(file, 2), 1u) << "type 1 is an icon";
        uint32_t count = Read16(file, 4);
        ASSERT_GE(file.size(), 6 + 16 * count);
        for (uint32_t i = 0; i < count; ++i) {
            size_t at = 6 + 16 * i;
            EXPECT_EQ(file[at], file[at + 1]) << "square";
            EXPECT_EQ(Read16(file, at + 4), 1u) << "planes";
            entries.push_back(
                {file[at], Read16(file, at + 6), Read32(file, at + 8), Read32(file, at + 12)});
            EXPECT_EQ(file[at + 2], entries.back().bits == 4 ? 16 : 0) << "colour count";
        }
    }
    std::vector<uint8_t> file;
    std::vector<Entry> entries;
};

TEST_F(Icon, HoldsEachSizeAtEachDepthOnce) {
    std::set<std::pair<uint32_t, uint32_t>> found;
    for (const Entry& e : entries) found.insert({e.size, e.bits});
    std::set<std::pair<uint32_t, uint32_t>> wanted;
    for (uint32_t size : {64u, 48u, 32u, 24u, 16u}) {
        for (uint32_t bits : {4u, 8u, 24u, 32u}) wanted.insert({size, bits});
    }
    EXPECT_EQ(entries.size(), 20u);
    EXPECT_EQ(found, wanted);
}

TEST_F(Icon, EntriesAreWholeBitmapsInsideTheFile) {
    size_t end = 6 + 16 * entries.size();
    for (const Entry& e : entries) {
        SCOPED_TRACE(testing::Message() << e.size << " px, " << e.bits << " bits");
        ASSERT_GE(e.offset, end) << "entries follow the directory without overlapping";
        ASSERT_LE(size_t{e.offset} + e.bytes, file.size());
        end = e.offset + e.bytes;
        EXPECT_EQ(Read32(file, e.offset), 40u);
        EXPECT_EQ(Read32(file, e.offset + 4), e.size);
        EXPECT_EQ(Read32(file, e.offset + 8), 2 * e.size) << "colour and mask rows";
        EXPECT_EQ(Read16(file, e.offset + 14), e.bits);
        EXPECT_EQ(Read32(file, e.offset + 16), 0u) << "uncompressed";
        size_t palette = e.bits <= 8 ? 4u << e.bits : 0;
        size_t pixels = (RowBytes(e.size, e.bits) + RowBytes(e.size, 1)) * e.size;
        EXPECT_EQ(e.bytes, 40 + palette + pixels);
    }
}

// The picture is a rounded tile: its corners are transparent, its middle is not.
TEST_F(Icon, MasksLeaveTheCornersClearAndTheMiddleSolid) {
    for (const Entry& e : entries) {
        SCOPED_TRACE(testing::Message() << e.size << " px, " << e.bits << " bits");
        size_t palette = e.bits <= 8 ? 4u << e.bits : 0;
        size_t colour = e.offset + 40 + palette;
        size_t mask = colour + RowBytes(e.size, e.bits) * e.size;
        size_t rowBytes = RowBytes(e.size, 1);
        auto clear = [&](uint32_t x, uint32_t y) {
            return (file[mask + (e.size - 1 - y) * rowBytes + x / 8] >> (7 - x % 8) & 1) != 0;
        };
        EXPECT_TRUE(clear(0, 0));
        EXPECT_TRUE(clear(e.size - 1, e.size - 1));
        EXPECT_FALSE(clear(e.size / 2, e.size / 2));
        if (e.bits == 32) {
            auto alpha = [&](uint32_t x, uint32_t y) {
                return file[colour + (e.size - 1 - y) * e.size * 4 + x * 4 + 3];
            };
            EXPECT_EQ(alpha(0, 0), 0);
            EXPECT_EQ(alpha(e.size / 2, e.size / 2), 255);
        }
    }
}

// Every depth shows the same picture: decoding the palette and pixel formats must give nearly
// the colours of the 32-bit image of that size, and the same mask. Below 32 bits, where the mask
// clears a pixel its colour must be black, or the platform would invert the screen under it.
TEST_F(Icon, EveryDepthShowsTheSamePicture) {
    auto decode = [this](const Entry& e) {
        size_t palette = e.offset + 40;
        size_t pixels = palette + (e.bits <= 8 ? 4u << e.bits : 0);
        size_t mask = pixels + RowBytes(e.size, e.bits) * e.size;
        std::vector<int> rgbOrClear;  // red, green, blue a pixel; -1, -1, -1 where masked out
        for (uint32_t y = 0; y < e.size; ++y) {
            size_t row = pixels + (e.size - 1 - y) * RowBytes(e.size, e.bits);
            size_t maskRow = mask + (e.size - 1 - y) * RowBytes(e.size, 1);
            for (uint32_t x = 0; x < e.size; ++x) {
                size_t bgr = e.bits == 32   ? row + 4 * x
                             : e.bits == 24 ? row + 3 * x
                             : e.bits == 8
                                 ? palette + 4 * file[row + x]
                                 : palette + 4 * (file[row + x / 2] >> (x % 2 == 0 ? 4 : 0) & 15);
                if ((file[maskRow + x / 8] >> (7 - x % 8) & 1) != 0) {
                    if (e.bits < 32) {
                        EXPECT_EQ(file[bgr] | file[bgr + 1] | file[bgr + 2], 0);
                    }
                    rgbOrClear.insert(rgbOrClear.end(), {-1, -1, -1});
                } else {
                    rgbOrClear.insert(rgbOrClear.end(), {file[bgr + 2], file[bgr + 1], file[bgr]});
                }
            }
        }
        return rgbOrClear;
    };
    const std::pair<uint32_t, int> kMeanLimit[] = {{24, 1}, {8, 8}, {4, 40}};
    for (const Entry& full : entries) {
        if (full.bits != 32) continue;
        std::vector<int> reference = decode(full);
        for (const Entry& e : entries) {
            if (e.size != full.size || e.bits == 32) continue;
            SCOPED_TRACE(testing::Message() << e.size << " px, " << e.bits << " bits");
            std::vector<int> pixels = decode(e);
            ASSERT_EQ(pixels.size(), reference.size());
            long total = 0;
            for (size_t i = 0; i < pixels.size(); ++i) {
                ASSERT_EQ(pixels[i] < 0, reference[i] < 0) << "mask differs at pixel " << i / 3;
                total += std::abs(pixels[i] - reference[i]);
            }
            int limit = 0;
            for (auto [bits, mean] : kMeanLimit) limit = bits == e.bits ? mean : limit;
            EXPECT_LE(total / static_cast<long>(pixels.size()), limit);
        }
    }
}

}  // namespace
