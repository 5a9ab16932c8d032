// Points a Windows executable's load configuration directory at its .loadcfg section and renews
// the image checksum. GNU ld fills in neither the directory nor anything that reads the record,
// and the loader finds the record (with its dependent-load flag) only through the directory.
//   pe_load_config FILE
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

constexpr size_t kLoadConfigEntry = 10;  // IMAGE_DIRECTORY_ENTRY_LOAD_CONFIG
constexpr size_t kSectionHeaderSize = 40;

uint32_t Read(const std::vector<uint8_t>& b, size_t at, size_t bytes) {
    uint32_t value = 0;
    for (size_t i = bytes; i > 0; --i) value = value << 8 | b[at + i - 1];
    return value;
}

void Write32(std::vector<uint8_t>* b, size_t at, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) (*b)[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// The PE checksum: 16-bit words summed with end-around carry, the checksum field itself left
// out, plus the file length.
uint32_t ImageChecksum(const std::vector<uint8_t>& b, size_t checksumAt) {
    uint64_t sum = 0;
    for (size_t at = 0; at < b.size(); at += 2) {
        if (at == checksumAt || at == checksumAt + 2) continue;
        sum += at + 1 < b.size() ? Read(b, at, 2) : b[at];
        sum = (sum & 0xFFFF) + (sum >> 16);
    }
    sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<uint32_t>(sum + b.size());
}

// Sets the directory entry in `image`; on failure returns what is wrong with the file.
const char* PointLoadConfig(std::vector<uint8_t>* image) {
    const std::vector<uint8_t>& b = *image;
    if (b.size() < 0x40 || b[0] != 'M' || b[1] != 'Z') return "not an executable";
    const size_t pe = Read(b, 0x3C, 4);
    if (pe + 24 + 112 > b.size() || std::memcmp(&b[pe], "PE\0\0", 4) != 0) return "no PE header";
    const size_t sectionCount = Read(b, pe + 6, 2);
    const size_t optional = pe + 24;
    const size_t optionalSize = Read(b, pe + 20, 2);
    const uint32_t magic = Read(b, optional, 2);
    if (magic != 0x10B && magic != 0x20B) return "neither PE32 nor PE32+";
    const size_t directories = optional + (magic == 0x20B ? 112 : 96);
    const size_t directoryCount = Read(b, directories - 4, 4);
    const size_t sections = optional + optionalSize;
    if (directoryCount <= kLoadConfigEntry || directories + 8 * directoryCount > sections ||
        sections + kSectionHeaderSize * sectionCount > b.size()) {
        return "headers out of range";
    }
    for (size_t i = 0; i < sectionCount; ++i) {
        const size_t header = sections + kSectionHeaderSize * i;
        if (std::memcmp(&b[header], ".loadcfg", 8) != 0) continue;
        const uint32_t address = Read(b, header + 12, 4);
        const size_t rawSize = Read(b, header + 16, 4);
        const size_t raw = Read(b, header + 20, 4);
        if (raw + 4 > b.size() || rawSize < 4 || raw + rawSize > b.size()) {
            return ".loadcfg out of range";
        }
        // The record begins with its own size, which the loader compares with the entry's.
        const uint32_t recordSize = Read(b, raw, 4);
        if (recordSize < 4 || recordSize > rawSize) return "the record's size does not fit";
        Write32(image, directories + 8 * kLoadConfigEntry, address);
        Write32(image, directories + 8 * kLoadConfigEntry + 4, recordSize);
        const size_t checksumAt = optional + 64;
        Write32(image, checksumAt, ImageChecksum(*image, checksumAt));
        return nullptr;
    }
    return "no .loadcfg section";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: pe_load_config FILE\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "pe_load_config: %s: cannot read\n", argv[1]);
        return 1;
    }
    std::vector<uint8_t> image{std::istreambuf_iterator<char>(in),
                               std::istreambuf_iterator<char>()};
    in.close();
    if (const char* fault = PointLoadConfig(&image)) {
        std::fprintf(stderr, "pe_load_config: %s: %s\n", argv[1], fault);
        return 1;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(image.data()),
              static_cast<std::streamsize>(image.size()));
    if (!out.good()) {
        std::fprintf(stderr, "pe_load_config: %s: cannot write\n", argv[1]);
        return 1;
    }
    return 0;
}
