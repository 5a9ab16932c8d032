// The system default language on POSIX systems, from the locale that the environment names.
// The C library's own locale is left alone: a plug-in must not change its host's locale.
#include "platform/language/language.h"

#include <cstdlib>
#include <initializer_list>
#include <string_view>

namespace {
constexpr uint16_t usEnglish = 0x0409;

struct KnownLocale {
    std::string_view name;  // "language" or "language_TERRITORY"
    uint16_t langId;
};

// The German territories keep their Win32 sublanguages; other languages get the default one.
constexpr KnownLocale knownLocales[] = {
    {"de_DE", 0x0407}, {"de_CH", 0x0807}, {"de_AT", 0x0C07}, {"de_LU", 0x1007}, {"de_LI", 0x1407},
    {"de", 0x0407},    {"en", usEnglish}, {"fr", 0x040C},    {"it", 0x0410},
};

// The setting that decides the locale of the category whose variable is `category`, in the C
// library's order; an empty variable counts as unset.
std::string_view LocaleSetting(const char* category) {
    for (const char* variable : {"LC_ALL", category, "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && value[0] != '\0') return value;
    }
    return {};
}

// A locale is language[_TERRITORY][.codeset][@modifier].
uint16_t LangIdOfLocale(std::string_view locale) {
    std::string_view name = locale.substr(0, locale.find_first_of(".@"));
    if (name.empty() || name == "C" || name == "POSIX") return usEnglish;
    std::string_view language = name.substr(0, name.find('_'));
    uint16_t languageOnly = 0;
    for (const KnownLocale& known : knownLocales) {
        if (known.name == name) return known.langId;
        if (known.name == language && languageOnly == 0) languageOnly = known.langId;
    }
    return languageOnly;
}
}  // namespace

uint16_t OsGetSystemDefaultLangID() {
    return LangIdOfLocale(LocaleSetting("LC_CTYPE"));
}

bool OsGetUserLanguage(char* code, uint32_t size) {
    std::string_view name = LocaleSetting("LC_MESSAGES");
    name = name.substr(0, name.find_first_of("_.@"));
    if (name.empty() || name == "C" || name == "POSIX") name = "en";
    if (size == 0) return false;
    code[0] = '\0';
    if (name.size() >= size) return false;
    name.copy(code, name.size());
    code[name.size()] = '\0';
    return true;
}
