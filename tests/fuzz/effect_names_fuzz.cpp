// Fuzz target: DLLApplyEffect with any index under any locale: a name that ends, in the tables'
// characters, the same pointer twice, an empty name outside 0..303.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

#include "cartoons/cartoons.h"

namespace {

void Require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "fuzz: invariant broken: %s\n", what);
    std::abort();
}

bool TableCharacter(char16_t c) {
    return (c >= 0x20 && c < 0x7F) || c == u'\u00E4' || c == u'\u00F6' || c == u'\u00FC' ||
           c == u'\u00DF';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const char* const locales[] = {"de_DE.UTF-8", "de_CH", "de", "en_US.UTF-8",
                                   "fr_FR",       "C",     "",   "it_IT@euro"};
    const std::string locale = input.ConsumeBool()
                                   ? locales[input.ConsumeIntegralInRange<size_t>(0, 7)]
                                   : input.ConsumeRandomLengthString(16);
    setenv("LC_ALL", locale.c_str(), 1);
    const int32_t index = input.ConsumeBool() ? input.ConsumeIntegralInRange(-2, 305)
                                              : input.ConsumeIntegral<int32_t>();
    const char16_t* name = DLLApplyEffect(index);
    Require(name != nullptr, "every index gives a string");
    size_t length = 0;
    for (; name[length] != u'\0'; ++length) {
        Require(length < 64 && TableCharacter(name[length]),
                "a name is short, in the tables' letters");
    }
    Require((length > 0) == (index >= 0 && index < 304), "only 0..303 name something");
    Require(DLLApplyEffect(index) == name, "the same index gives the same pointer");
    return 0;
}
