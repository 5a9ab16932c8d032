// The export: the system default language is asked on every call, so a change of it shows in
// the next name without reloading the plug-in.
#include "cartoons/cartoons.h"

#include "cartoons/effect_names.h"
#include "platform/language/language.h"

extern "C" const char16_t* DLLApplyEffect(int32_t index) {
    return EffectName(index, OsGetSystemDefaultLangID());
}
