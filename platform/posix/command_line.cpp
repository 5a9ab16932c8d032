// Windows command lines taken apart as the Microsoft C runtime does it (since 2008).
#include "platform/posix/command_line.h"

#include <cstring>

namespace {

bool Blank(char c) {
    return c == ' ' || c == '\t';
}

// The program name from the line's first character; returns where it ends.
const char* ProgramName(const char* c, std::string* word) {
    bool quoted = false;
    for (; *c != '\0' && (quoted || !Blank(*c)); ++c) {
        if (*c == '"') {
            quoted = !quoted;
        } else {
            *word += *c;
        }
    }
    return c;
}

// One argument from its first character; returns where it ends.
const char* Argument(const char* c, std::string* word) {
    bool quoted = false;
    while (*c != '\0' && (quoted || !Blank(*c))) {
        if (*c == '\\') {
            const size_t backslashes = std::strspn(c, "\\");
            c += backslashes;
            if (*c != '"') {
                word->append(backslashes, '\\');
                continue;
            }
            word->append(backslashes / 2, '\\');
            if (backslashes % 2 == 1) {
                *word += *c++;
                continue;
            }
        }
        if (*c != '"') {
            *word += *c;
        } else if (quoted && c[1] == '"') {
            *word += *++c;
        } else {
            quoted = !quoted;
        }
        ++c;
    }
    return c;
}

}  // namespace

std::vector<std::string> SplitCommandLine(const char* line) {
    std::vector<std::string> words;
    if (*line == '\0') return words;
    words.emplace_back();
    const char* c = ProgramName(line, &words.back());
    for (;;) {
        while (Blank(*c)) ++c;
        if (*c == '\0') return words;
        words.emplace_back();
        c = Argument(c, &words.back());
    }
}
