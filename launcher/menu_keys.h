// The menu chosen with keys, for builds that let keys choose (VARORIZO_KEYBOARD): a focus over
// the buttons in menu order, which lights a button as the pointer does.
#pragma once
#include <cstdint>

#include "toolkit/dispatcher.h"

enum class MenuKey { Nothing, Choose, Close };

// Takes the key event `event` for a menu of `count` buttons, the controls 0 to count - 1:
//   Tab, Right, Down / Shift+Tab, Left, Up   the next / the previous button, wrapping round
//   Home, End                                the first / the last button
//   Enter, Space                             the focused button is chosen (a repeat is not)
//   Escape                                   the menu closes
// `lit` is the button lit now, by keys or the pointer (-1: none); a key that finds the focus
// elsewhere first focuses `lit`, or `first` when nothing is lit. Moves the focus and tells screen
// readers; returns what the application does.
MenuKey TakeMenuKey(const UiEvent& event, int32_t lit, int32_t first, int32_t count);

// The button whose language tag matches the user's interface language in its primary subtag
// (pt-BR matches pt), or else 0. `languages` holds `count` tags, "" for none.
int32_t ButtonInUserLanguage(const char* const* languages, int32_t count);
