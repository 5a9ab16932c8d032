// Lists the functions a Windows program or library imports, one line "<kind> <library> <function>"
// each (kind "import", or "delay" for a library loaded on first use; an ordinal as #N):
//   list_imports FILE
// GNU ld leaves the delay-import directory empty, so the delay-load records are found by their
// form: attributes 1, then the address of a library name ending in .dll, and at 16 the address
// of a whole table of function names.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Section {
    uint64_t address, raw, rawSize;
};

struct Image {
    std::vector<uint8_t> bytes;
    std::vector<Section> sections;
    size_t thunk = 4;  // 8 in PE32+

    uint64_t Read(size_t at, size_t size) const {
        uint64_t value = 0;
        for (size_t i = size; i > 0; --i) value = value << 8 | bytes[at + i - 1];
        return value;
    }
    // The file offset of `size` bytes at `rva`, or 0 when they are not all in a section's data.
    size_t Offset(uint64_t rva, size_t size) const {
        for (const Section& s : sections) {
            if (rva >= s.address && rva + size <= s.address + s.rawSize) {
                return static_cast<size_t>(s.raw + (rva - s.address));
            }
        }
        return 0;
    }
    // The printable zero-terminated text at `rva`, or "" when there is none.
    std::string Text(uint64_t rva) const {
        std::string text;
        for (size_t at = Offset(rva, 1); at != 0 && at < bytes.size() && text.size() < 256; ++at) {
            if (bytes[at] == 0) return text;
            if (bytes[at] < 0x20 || bytes[at] > 0x7E) break;
            text += static_cast<char>(bytes[at]);
        }
        return "";
    }
    // The functions of the name table at `rva`; empty when it is not whole.
    std::vector<std::string> Names(uint64_t rva) const {
        std::vector<std::string> names;
        const uint64_t ordinal = uint64_t{1} << (8 * thunk - 1);
        for (size_t at = Offset(rva, thunk); at != 0; at = Offset(rva += thunk, thunk)) {
            const uint64_t entry = Read(at, thunk);
            if (entry == 0) return names;
            // A name follows its two-byte hint.
            names.push_back(entry & ordinal ? "#" + std::to_string(entry & 0xFFFF)
                                            : Text(entry + 2));
            if (names.back().empty()) break;
        }
        return {};
    }
};

void Print(const char* kind, const std::string& library, const std::vector<std::string>& names) {
    for (const std::string& name : names)
        std::printf("%s %s %s\n", kind, library.c_str(), name.c_str());
}

const char* ListImports(const std::vector<uint8_t>& bytes) {
    Image image{bytes, {}};
    if (bytes.size() < 0x40 || bytes[0] != 'M' || bytes[1] != 'Z')
        return "not a Windows executable";
    const size_t pe = image.Read(0x3C, 4);
    if (pe + 24 + 240 > bytes.size() || image.Read(pe, 4) != 0x4550) return "no PE header";
    const size_t optional = pe + 24;
    image.thunk = image.Read(optional, 2) == 0x20B ? 8 : 4;
    const size_t sections = optional + image.Read(pe + 20, 2);
    const size_t count = image.Read(pe + 6, 2);
    if (sections + 40 * count > bytes.size()) return "section table out of range";
    for (size_t h = sections; h < sections + 40 * count; h += 40) {
        const Section s{image.Read(h + 12, 4), image.Read(h + 20, 4), image.Read(h + 16, 4)};
        if (s.raw + s.rawSize > bytes.size()) return "section out of range";
        image.sections.push_back(s);
    }

    const uint64_t table = image.Read(optional + (image.thunk == 8 ? 120 : 104), 4);
    for (uint64_t rva = table; table != 0; rva += 20) {
        const size_t at = image.Offset(rva, 20);
        if (at == 0) return "import table out of range";
        if (image.Read(at + 12, 4) == 0) break;
        const uint64_t names = image.Read(at, 4) != 0 ? image.Read(at, 4) : image.Read(at + 16, 4);
        Print("import", image.Text(image.Read(at + 12, 4)), image.Names(names));
    }
    for (const Section& s : image.sections) {
        for (size_t at = s.raw; at + 32 <= s.raw + s.rawSize; at += 4) {
            if (image.Read(at, 4) != 1) continue;
            const std::string library = image.Text(image.Read(at + 4, 4));
            if (library.size() > 4 && (library.substr(library.size() - 4) == ".dll" ||
                                       library.substr(library.size() - 4) == ".DLL")) {
                Print("delay", library, image.Names(image.Read(at + 16, 4)));
            }
        }
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
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                     std::istreambuf_iterator<char>()};
    if (const char* fault = ListImports(bytes)) {
        std::fprintf(stderr, "list_imports: %s: %s\n", argv[1], fault);
        return 1;
    }
    return 0;
}
