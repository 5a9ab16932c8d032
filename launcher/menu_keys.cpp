// A key message carries its flags where a pointer message carries the pointer, so the event's y
// holds the high half of the key's lParam: bit 14 there (bit 30 of lParam) says the key was down
// already, which is how an auto-repeat, or an Enter held since before the window, shows.
#include "launcher/menu_keys.h"

#include <cstring>

#include "platform/language/language.h"
#include "platform/platform.h"
#include "toolkit/accessibility.h"
#include "toolkit/toolkit_state.h"

namespace {

constexpr int32_t kKeyWasDown = 0x4000;

// Where a moving key takes the focus from `from`, or -1 for a key that moves nothing.
int32_t Step(int32_t key, int32_t from, int32_t count) {
    const bool back = key == VK_TAB && OsIsKeyDown(VK_SHIFT);
    switch (key) {
        case VK_TAB:
        case VK_RIGHT:
        case VK_DOWN:
        case VK_LEFT:
        case VK_UP: {
            const bool previous = back || key == VK_LEFT || key == VK_UP;
            return (from + (previous ? count - 1 : 1)) % count;
        }
        case VK_HOME:
            return 0;
        case VK_END:
            return count - 1;
        default:
            return -1;
    }
}

// The primary subtag of a language tag: "pt" of "pt-BR", in small letters.
void PrimaryOf(const char* tag, char* primary, size_t size) {
    size_t n = 0;
    for (; tag[n] != '\0' && tag[n] != '-' && tag[n] != '_' && n + 1 < size; ++n) {
        const char c = tag[n];
        primary[n] = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    primary[n] = '\0';
}

}  // namespace

MenuKey TakeMenuKey(const UiEvent& event, int32_t lit, int32_t first, int32_t count) {
    if (event.kind != EventKey || count < 1) return MenuKey::Nothing;
    if (event.key == VK_ESCAPE) return MenuKey::Close;
    const bool choose = event.key == VK_RETURN || event.key == VK_SPACE;
    if (!choose && Step(event.key, 0, count) < 0) return MenuKey::Nothing;
    if (choose && lit >= 0 && lit == keyFocusIndex) {
        return (event.eventY & kKeyWasDown) != 0 ? MenuKey::Nothing : MenuKey::Choose;
    }
    // Nothing lit: the first key shows where the focus starts. A button the pointer lit is
    // moved on from, or focused by Enter, which chooses only what keys focused.
    const int32_t target = lit < 0 ? first : choose ? lit : Step(event.key, lit, count);
    FocusByKey(target);
    NotifyReaders(target, AccessibleEvent::Focus);
    return MenuKey::Nothing;
}

int32_t ButtonInUserLanguage(const char* const* languages, int32_t count) {
    char user[16];
    char button[16];
    if (!OsGetUserLanguage(user, sizeof user)) return 0;
    PrimaryOf(user, user, sizeof user);
    for (int32_t i = 0; i < count; ++i) {
        PrimaryOf(languages[i], button, sizeof button);
        if (button[0] != '\0' && std::strcmp(button, user) == 0) return i;
    }
    return 0;
}
