// Lists the functions a Windows program or library imports, one line "<kind> <library> <function>"
// each (kind "import", or "delay" for a library loaded on first use; an ordinal as #N), read from
// the file as the loader and the delay-load helper read it:
//   list_imports FILE
// GNU ld leaves the delay-import directory empty, so then the delay-load records are found by
// their form: attributes 1, a library name ending in .dll, a table of names inside the image.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Section {
    uint32_t address, virtualSize, raw, rawSize;
};

struct Image {
    std::vector<uint8_t> bytes;
    std::vector<Section> sections;
    bool wide = false;  // PE32+: 64-bit thunks

    uint64_t Read(size_t at, size_t size) const {
        uint64_t value = 0;
        for (size_t i = size; i > 0; --i) value = value << 8 | bytes[at + i - 1];
        return value;
    }
    // The file offset of `size` bytes at `rva`, or 0 when they are not all in a section's data.
    size_t Offset(uint64_t rva, size_t size) const {
        for (const Section& s : sections) {
            if (rva >= s.address && rva + size <= uint64_t{s.address} + s.rawSize &&
                s.raw + s.rawSize <= bytes.size()) {
                return static_cast<size_t>(s.raw + (rva - s.address));
            }
        }
        return 0;
    }
    bool Mapped(uint64_t rva) const {
        for (const Section& s : sections) {
            if (rva >= s.address && rva < uint64_t{s.address} + s.virtualSize) return true;
        }
        return false;
    }
    // The printable zero-terminated text at `rva`, or "" when there is none.
    std::string Text(uint64_t rva) const {
        std::string text;
        for (size_t at = Offset(rva, 1); at != 0 && at < bytes.size(); ++at) {
            if (bytes[at] == 0) return text;
            if (bytes[at] < 0x20 || bytes[at] > 0x7E || text.size() > 255) break;
            text += static_cast<char>(bytes[at]);
        }
        return "";
    }
    // The functions of a name table at `rva` (one thunk per function, ending with 0); empty when
    // the table is not whole.
    std::vector<std::string> Names(uint64_t rva) const {
        std::vector<std::string> names;
        const size_t thunk = wide ? 8 : 4;
        const uint64_t ordinalFlag = uint64_t{1} << (8 * thunk - 1);
        for (;; rva += thunk) {
            const size_t at = Offset(rva, thunk);
            if (at == 0) return {};
            const uint64_t entry = Read(at, thunk);
            if (entry == 0) return names;
            std::string name = entry & ordinalFlag ? "#" + std::to_string(entry & 0xFFFF)
                                                   : Text(entry + 2);  // after the hint
            if (name.empty()) return {};
            names.push_back(name);
        }
    }
};

bool EndsWithDll(const std::string& name) {
    if (name.size() < 5) return false;
    std::string end = name.substr(name.size() - 4);
    for (char& c : end) c = static_cast<char>(c | 0x20);
    return end == ".dll";
}

void Print(const char* kind, const std::string& library, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        std::printf("%s %s %s\n", kind, library.c_str(), name.c_str());
    }
}

// The delay-load record at file offset `at`, printed; false when the bytes are none.
bool PrintDelayRecord(const Image& image, size_t at) {
    if (image.Read(at, 4) != 1) return false;
    const std::string library = image.Text(image.Read(at + 4, 4));
    if (!EndsWithDll(library) || !image.Mapped(image.Read(at + 8, 4))) return false;
    const std::vector<std::string> names = image.Names(image.Read(at + 16, 4));
    if (names.empty()) return false;
    Print("delay", library, names);
    return true;
}

const char* List(const Image& image, size_t optional) {
    const size_t directories = optional + (image.wide ? 112 : 96);
    if (image.Read(directories - 4, 4) < 14) return "too few data directories";
    if (const uint64_t table = image.Read(directories + 8, 4)) {
        for (uint64_t rva = table;; rva += 20) {
            const size_t at = image.Offset(rva, 20);
            if (at == 0) return "import table out of range";
            if (image.Read(at + 12, 4) == 0) break;
            const uint64_t names =
                image.Read(at, 4) != 0 ? image.Read(at, 4) : image.Read(at + 16, 4);
            Print("import", image.Text(image.Read(at + 12, 4)), image.Names(names));
        }
    }
    if (const uint64_t table = image.Read(directories + 13 * 8, 4)) {
        for (uint64_t rva = table;; rva += 32) {
            const size_t at = image.Offset(rva, 32);
            if (at == 0 || image.Read(at + 4, 4) == 0) break;
            if (!PrintDelayRecord(image, at)) return "delay-import table out of order";
        }
        return nullptr;
    }
    for (const Section& s : image.sections) {
        for (size_t at = s.raw;
             at + 32 <= s.raw + size_t{s.rawSize} && at + 32 <= image.bytes.size(); at += 4) {
            PrintDelayRecord(image, at);
        }
    }
    return nullptr;
}

const char* Load(Image* image, size_t* optional) {
    const std::vector<uint8_t>& b = image->bytes;
    if (b.size() < 0x40 || b[0] != 'M' || b[1] != 'Z') return "not a Windows executable";
    const size_t pe = image->Read(0x3C, 4);
    if (pe + 24 + 240 > b.size() || image->Read(pe, 4) != 0x4550) return "no PE header";
    *optional = pe + 24;
    const uint64_t magic = image->Read(*optional, 2);
    if (magic != 0x10B && magic != 0x20B) return "neither PE32 nor PE32+";
    image->wide = magic == 0x20B;
    const size_t sections = *optional + image->Read(pe + 20, 2);
    const size_t count = image->Read(pe + 6, 2);
    if (sections + 40 * count > b.size()) return "section table out of range";
    for (size_t i = 0; i < count; ++i) {
        const size_t h = sections + 40 * i;
        image->sections.push_back({static_cast<uint32_t>(image->Read(h + 12, 4)),
                                   static_cast<uint32_t>(image->Read(h + 8, 4)),
                                   static_cast<uint32_t>(image->Read(h + 20, 4)),
                                   static_cast<uint32_t>(image->Read(h + 16, 4))});
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: list_imports FILE\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    Image image;
    image.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    size_t optional = 0;
    const char* fault = Load(&image, &optional);
    if (fault == nullptr) fault = List(image, optional);
    if (fault != nullptr) {
        std::fprintf(stderr, "list_imports: %s: %s\n", argv[1], fault);
        return 1;
    }
    return 0;
}
