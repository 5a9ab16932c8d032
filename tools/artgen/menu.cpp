// inih parses; the lines are served to it one at a time, so that each fault can name its line.
// Debian builds inih with lines of at most 199 bytes and would cut a longer one without a word, so
// such a line stops the reading instead. inih would also join an indented line to the value
// above it, which the menu does not allow either.
#include "tools/artgen/menu.h"

#include <ini.h>

#include <cstring>
#include <set>

#include "artwork/artwork.h"
#include "tools/artgen/png.h"

namespace {

constexpr size_t kNameBytes = 100;  // as for the product's name
constexpr size_t kFileNameBytes = 255;
constexpr size_t kPictureBytes = 40;
const char* const kNeeded = "a button needs name, picture and run";

std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

// UTF-8 without control characters, overlong forms or UTF-16 surrogates.
bool IsUtf8Text(const std::string& text) {
    static const uint32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int more = lead < 0x80                   ? 0
                         : lead >= 0xC2 && lead < 0xE0 ? 1
                         : lead >= 0xE0 && lead < 0xF0 ? 2
                         : lead >= 0xF0 && lead < 0xF5 ? 3
                                                       : -1;
        if (more < 0 || lead < 0x20 || lead == 0x7F || text.size() - i <= size_t(more)) {
            return false;
        }
        uint32_t code = more == 0 ? lead : lead & (0x3Fu >> more);
        for (size_t k = 1; k <= size_t(more); ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = code << 6 | (next & 0x3Fu);
        }
        if (code < kLeast[more] || (code >= 0xD800 && code < 0xE000) || code > 0x10FFFF) {
            return false;
        }
        i += size_t(more) + 1;
    }
    return true;
}

bool IsNumber(const std::string& text, int below, int* value) {
    if (text.empty() || text.size() > 3 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    *value = std::stoi(text);
    return *value < below;
}

// A tag such as de, pt-BR or zh-Hant-TW: two or three letters, then parts of letters and digits.
bool IsLanguageTag(const std::string& tag) {
    size_t start = 0;
    for (bool first = true;; first = false) {
        const size_t end = std::min(tag.find('-', start), tag.size());
        const std::string part = tag.substr(start, end - start);
        const bool letters =
            part.find_first_not_of("abcdefghijklmnopqrstuvwxyz") == std::string::npos;
        const bool alphanumeric =
            part.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789") == std::string::npos;
        if (first ? !letters || part.size() < 2 || part.size() > 3
                  : !alphanumeric || part.empty() || part.size() > 8) {
            return false;
        }
        if (end == tag.size()) return true;
        start = end + 1;
    }
}

// What is wrong with `run` as the name of a program in the launcher's own folder, or "".
std::string RunFault(const std::string& run) {
    const std::string bare = "run \"" + run + "\" is not a bare file name ending in .exe";
    const std::string lower = Lower(run);
    if (!IsUtf8Text(run) || run.size() > kFileNameBytes ||
        run.find_first_of("/\\:*?\"<>|") != std::string::npos || lower.size() < 5 ||
        lower.compare(lower.size() - 4, 4, ".exe") != 0) {
        return bare + ": give the file's name alone, without a folder or a drive";
    }
    // The platform takes these names, with any extension, for devices, not files.
    std::string base = lower.substr(0, lower.find('.'));
    base.erase(base.find_last_not_of(' ') + 1);
    static const std::set<std::string> kDevices = {
        "con",  "prn",  "aux",  "nul",  "com0", "com1", "com2",   "com3",   "com4",
        "com5", "com6", "com7", "com8", "com9", "lpt0", "lpt1",   "lpt2",   "lpt3",
        "lpt4", "lpt5", "lpt6", "lpt7", "lpt8", "lpt9", "conin$", "conout$"};
    if (base.empty() || kDevices.count(base) != 0) {
        return bare + ": \"" + run.substr(0, run.find('.')) + "\" names a device, not a file";
    }
    return "";
}

struct Parse {
    std::string text;               // the file, without a byte-order mark
    size_t next = 0;                // where the next line starts
    int line = 0;                   // the line last served
    int sectionLine = 0;            // the last [section] line served
    bool indented = false;          // whether the line last served starts with a blank
    std::vector<int> sectionLines;  // every [section] line
    std::set<int> filledSections;   // the [section] lines that keys follow
    std::vector<MenuButton>* buttons = nullptr;
    std::vector<std::set<std::string>> keys;  // those each button gave
    int faultLine = 0;
    std::string fault;

    // Keeps the fault of the earliest line.
    void Fail(int at, const std::string& what) {
        if (fault.empty() || at < faultLine) {
            faultLine = at;
            fault = what;
        }
    }
};

char* ServeLine(char* out, int size, void* stream) {
    auto* p = static_cast<Parse*>(stream);
    if (!p->fault.empty() || p->next >= p->text.size()) return nullptr;
    size_t end = p->text.find('\n', p->next);
    end = end == std::string::npos ? p->text.size() : end + 1;
    const std::string line = p->text.substr(p->next, end - p->next);
    p->next = end;
    ++p->line;
    if (line.size() + 1 > static_cast<size_t>(size)) {
        p->Fail(p->line, "the line is longer than " + std::to_string(size - 2) +
                             " bytes, the most a line of the menu may hold");
        return nullptr;
    }
    std::memcpy(out, line.c_str(), line.size() + 1);
    const size_t first = line.find_first_not_of(" \t\r\n");
    p->indented = first != 0 && first != std::string::npos;
    if (first != std::string::npos && line[first] == '[') {
        p->sectionLine = p->line;
        p->sectionLines.push_back(p->line);
    }
    return out;
}

// The number of a [button N] section, 1 to kArtMenuCapacity, or 0.
int ButtonNumber(const std::string& section) {
    for (int n = 1; n <= kArtMenuCapacity; ++n) {
        if (section == "button " + std::to_string(n)) return n;
    }
    return 0;
}

void TakeValue(Parse* p, MenuButton& b, const std::string& key, const std::string& value) {
    int number = 0;
    if (key == "name") {
        if (value.empty() || value.size() > kNameBytes || !IsUtf8Text(value)) {
            p->Fail(p->line, "name \"" + value +
                                 "\" is not a name a screen reader can say: give 1 to " +
                                 std::to_string(kNameBytes) +
                                 " bytes of UTF-8 text without control characters");
        }
        b.name = value;
    } else if (key == "picture") {
        if (value.empty() || value.size() > kPictureBytes ||
            value.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789-_") !=
                std::string::npos) {
            p->Fail(p->line, "picture \"" + value + "\" cannot name files: give 1 to " +
                                 std::to_string(kPictureBytes) +
                                 " small letters, digits, '-' or '_'");
        }
        b.picture = value;
        b.pictureLine = p->line;
    } else if (key == "run") {
        const std::string fault = RunFault(value);
        if (!fault.empty()) p->Fail(p->line, fault);
        b.run = value;
    } else if (key == "arguments") {
        if (!IsUtf8Text(value)) {
            p->Fail(p->line, "arguments are not UTF-8 text without control characters");
        }
        b.arguments = value;
        b.hasArguments = !value.empty();
    } else if (key == "x" || key == "y") {
        const bool x = key == "x";
        if (!IsNumber(value, x ? 800 : 600, &number)) {
            p->Fail(p->line,
                    key + " \"" + value + "\" is not a number from 0 to " + (x ? "799" : "599"));
        }
        (x ? b.left : b.top) = number;
    } else if (key == "language") {
        if (!IsLanguageTag(Lower(value))) {
            p->Fail(p->line,
                    "language \"" + value + "\" is not a language tag such as de or pt-BR");
        }
        b.language = value;
    } else {
        p->Fail(p->line, "unknown key \"" + key + "\" in " + b.what +
                             ": the keys are name, picture, run, arguments, x, y and language");
    }
}

int TakeKey(void* user, const char* sectionText, const char* keyText, const char* value) {
    auto* p = static_cast<Parse*>(user);
    const std::string section = Lower(sectionText);
    const std::string key = Lower(keyText);
    if (p->indented) {
        p->Fail(p->line, "the line starts with a blank: write each key at the start of a line");
        return 1;
    }
    const int number = ButtonNumber(section);
    if (number == 0) {
        p->Fail(section.empty() ? p->line : p->sectionLine,
                section.empty() ? "\"" + key + "\" comes before the first [button 1]"
                                : "unknown section [" + std::string(sectionText) +
                                      "]: the sections are [button 1] to [button " +
                                      std::to_string(kArtMenuCapacity) + "], one a button");
        return 1;
    }
    std::vector<MenuButton>& buttons = *p->buttons;
    if (p->filledSections.insert(p->sectionLine).second) {
        const std::string named = "[button " + std::to_string(number) + "]";
        if (number <= static_cast<int>(buttons.size())) {
            p->Fail(p->sectionLine, named + " is given twice");
        } else if (number != static_cast<int>(buttons.size()) + 1) {
            p->Fail(p->sectionLine,
                    named + " follows " +
                        (buttons.empty() ? std::string("no button") : buttons.back().what) +
                        ": number the buttons 1, 2, 3 and on, in order");
        }
        if (!p->fault.empty()) return 1;
        buttons.emplace_back();
        buttons.back().what = named;
        buttons.back().line = p->sectionLine;
        p->keys.emplace_back();
    }
    MenuButton& b = buttons.back();
    if (!p->keys.back().insert(key).second) {
        p->Fail(p->line, "\"" + key + "\" is given twice in " + b.what);
        return 1;
    }
    TakeValue(p, b, key, value);
    return 1;
}

// What the keys left out: a needed key, or half a place. A button without a place of its own
// takes the default column.
void CheckWhole(Parse* p) {
    for (size_t i = 0; i < p->buttons->size(); ++i) {
        MenuButton& b = (*p->buttons)[i];
        const std::set<std::string>& given = p->keys[i];
        for (const char* key : {"name", "picture", "run"}) {
            if (given.count(key) == 0) p->Fail(b.line, b.what + " has no " + key + ": " + kNeeded);
        }
        const size_t placed = given.count("x") + given.count("y");
        if (placed == 1) p->Fail(b.line, b.what + " gives x or y alone: give both, or neither");
        if (placed == 0) {
            b.left = kArtButtonLeft;
            b.top = kArtButtonTop[0] + kArtButtonSpacing * static_cast<int>(i);
        }
    }
}

}  // namespace

std::string ReadMenu(const std::string& path, std::vector<MenuButton>* buttons) {
    Parse p;
    std::vector<uint8_t> bytes;
    if (!ReadFileBytes(path, &bytes)) return path + ": cannot be read";
    p.text.assign(bytes.begin(), bytes.end());
    if (p.text.rfind("\xEF\xBB\xBF", 0) == 0) p.text.erase(0, 3);
    p.buttons = buttons;
    buttons->clear();
    const int syntax = ini_parse_stream(ServeLine, &p, TakeKey, &p);
    if (syntax > 0) p.Fail(syntax, "not a [section], a key = value or a comment");
    // What is left out can be told only once every line has been read.
    if (p.fault.empty()) {
        for (int line : p.sectionLines) {
            if (p.filledSections.count(line) == 0) {
                p.Fail(line, std::string("a section without keys: ") + kNeeded);
            }
        }
        CheckWhole(&p);
    }
    if (!p.fault.empty()) return path + ":" + std::to_string(p.faultLine) + ": " + p.fault;
    if (buttons->empty()) {
        return path + ": no buttons: give [button 1] and on, up to [button " +
               std::to_string(kArtMenuCapacity) + "]";
    }
    return "";
}

std::string CheckPlaces(const std::string& path, const std::vector<MenuButton>& buttons) {
    for (size_t i = 0; i < buttons.size(); ++i) {
        const MenuButton& b = buttons[i];
        const std::string at = path + ":" + std::to_string(b.line) + ": " + b.what;
        if (b.left + b.width > 800 || b.top + b.height > 600) {
            return at + ", " + std::to_string(b.width) + " x " + std::to_string(b.height) +
                   " pixels at x " + std::to_string(b.left) + ", y " + std::to_string(b.top) +
                   ", reaches past the 800 x 600 window";
        }
        for (size_t j = 0; j < i; ++j) {
            const MenuButton& o = buttons[j];
            if (b.left < o.left + o.width && o.left < b.left + b.width &&
                b.top < o.top + o.height && o.top < b.top + b.height) {
                return at + " overlaps " + o.what;
            }
        }
    }
    return "";
}
