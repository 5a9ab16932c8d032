// libcartoons.so as a host loads it (the export found by name, the language read on every
// call), and the locale settings behind that language.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/language/language.h"

namespace {
using ApplyEffect = const char16_t* (*)(int32_t);

// Each test starts from an environment without locale settings and leaves it as it found it.
class LocaleEnvironment : public testing::Test {
protected:
    static constexpr const char* variables[] = {"LC_ALL", "LC_CTYPE", "LANG"};

    void SetUp() override {
        for (size_t i = 0; i < std::size(variables); ++i) {
            const char* value = std::getenv(variables[i]);
            saved[i] = value != nullptr ? std::optional<std::string>(value) : std::nullopt;
            unsetenv(variables[i]);
        }
    }
    void TearDown() override {
        for (size_t i = 0; i < std::size(variables); ++i) {
            if (saved[i]) {
                setenv(variables[i], saved[i]->c_str(), 1);
            } else {
                unsetenv(variables[i]);
            }
        }
    }

    std::optional<std::string> saved[std::size(variables)];
};

class SharedLibrary : public LocaleEnvironment {
protected:
    void SetUp() override {
        LocaleEnvironment::SetUp();
        library = dlopen(CARTOONS_LIBRARY, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(library, nullptr) << dlerror();
        apply = reinterpret_cast<ApplyEffect>(dlsym(library, "DLLApplyEffect"));
        ASSERT_NE(apply, nullptr) << dlerror();
    }
    void TearDown() override {
        if (library != nullptr) dlclose(library);
        LocaleEnvironment::TearDown();
    }

    std::u16string_view Name(int32_t index) const { return apply(index); }

    void* library = nullptr;
    ApplyEffect apply = nullptr;
};

TEST_F(SharedLibrary, GermanLocalesGiveGermanNamesAndOthersEnglish) {
    for (const char* locale : {"de_DE.UTF-8", "de_CH.UTF-8", "de_AT", "de", "de_DE@euro"}) {
        setenv("LC_ALL", locale, 1);
        EXPECT_EQ(Name(1), u"Flugzeuge") << locale;
        EXPECT_EQ(Name(303), u"Rot") << locale;
    }
    for (const char* locale : {"en_US.UTF-8", "fr_FR.UTF-8", "it_IT", "C", "C.UTF-8", "POSIX",
                               "dsb_DE.UTF-8", "en_DE", "deu"}) {
        setenv("LC_ALL", locale, 1);
        EXPECT_EQ(Name(1), u"Airplanes") << locale;
        EXPECT_EQ(Name(303), u"Red") << locale;
    }
    unsetenv("LC_ALL");
    EXPECT_EQ(Name(1), u"Airplanes") << "no locale setting at all";
}

TEST_F(SharedLibrary, TheLanguageIsReadAnewOnEveryCall) {
    setenv("LANG", "de_DE.UTF-8", 1);
    const char16_t* german = apply(102);
    EXPECT_EQ(std::u16string_view(german), u"Hei\u00DFluftballon");
    setenv("LANG", "en_US.UTF-8", 1);
    EXPECT_EQ(Name(102), u"Ballon");
    setenv("LANG", "de_CH.UTF-8", 1);
    EXPECT_EQ(apply(102), german);
}

TEST_F(SharedLibrary, IndexesOutsideTheTablesGiveAnEmptyString) {
    setenv("LC_ALL", "de_DE.UTF-8", 1);
    EXPECT_EQ(Name(-1), u"");
    EXPECT_EQ(apply(304), apply(-1));
}

// The settings count in the C library's order for character handling; empty ones are unset.
TEST_F(LocaleEnvironment, LocaleSettingsGiveWin32LanguageIdentifiers) {
    const std::pair<const char*, uint16_t> locales[] = {
        {"de_DE.UTF-8", 0x0407}, {"de_CH.UTF-8", 0x0807}, {"de_AT.UTF-8", 0x0C07},
        {"de_LU.UTF-8", 0x1007}, {"de_LI.UTF-8", 0x1407}, {"de_BE.UTF-8", 0x0407},
        {"en_US.UTF-8", 0x0409}, {"fr_FR.UTF-8", 0x040C}, {"it_IT.UTF-8", 0x0410},
        {"C", 0x0409},           {"POSIX", 0x0409},       {"nl_NL.UTF-8", 0x0000},
    };
    for (const auto& [locale, langId] : locales) {
        setenv("LC_ALL", locale, 1);
        EXPECT_EQ(OsGetSystemDefaultLangID(), langId) << locale;
    }

    unsetenv("LC_ALL");
    EXPECT_EQ(OsGetSystemDefaultLangID(), 0x0409) << "nothing set";
    setenv("LANG", "fr_FR.UTF-8", 1);
    EXPECT_EQ(OsGetSystemDefaultLangID(), 0x040C);
    setenv("LC_CTYPE", "de_CH.UTF-8", 1);
    EXPECT_EQ(OsGetSystemDefaultLangID(), 0x0807) << "LC_CTYPE before LANG";
    setenv("LC_ALL", "it_IT.UTF-8", 1);
    EXPECT_EQ(OsGetSystemDefaultLangID(), 0x0410) << "LC_ALL before all";
    setenv("LC_ALL", "", 1);
    EXPECT_EQ(OsGetSystemDefaultLangID(), 0x0807) << "an empty LC_ALL counts as unset";
}
}  // namespace
