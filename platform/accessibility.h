// What a screen reader may learn of a window's contents: a small portable record for each child
// (its role, name, state, where it is, its value), which the layer that knows the controls fills
// through a describing function, and the answer to the platform's question for it. The win32
// backend answers with an MSAA object; the others have no reader to answer.
#pragma once
#include <cstdint>

#include "platform/platform.h"

#ifndef WM_GETOBJECT
#define WM_GETOBJECT 0x003D
#endif

enum class AccessibleRole : int32_t {
    PushButton,
    CheckBox,
    RadioButton,
    Slider,
    ScrollBar,
    EditableText,
    DropDownGrid,  // a button that opens a grid of cells to pick from
    Graphic,
    Grouping,
};

enum AccessibleState : uint32_t {
    AccessibleUnavailable = 0x1,
    AccessibleChecked = 0x2,
    AccessiblePressed = 0x4,
    AccessibleHot = 0x8,  // under the pointer
    AccessibleFocusable = 0x10,
    AccessibleFocused = 0x20,  // the one that keys act on
};

// What changed about a child, for the readers that listen: it took the keyboard focus, its
// state (checked) or its value.
enum class AccessibleEvent : int32_t { Focus, StateChange, ValueChange };

enum class AccessibleValue : int32_t { None, Number, Text };

struct AccessibleItem {
    AccessibleRole role;
    uint32_t states;   // AccessibleState bits
    OsRect rect;       // where the child is, in client coordinates
    const char* name;  // UTF-8, or null: unnamed
    AccessibleValue valueKind;
    int32_t number;  // the value, when it is a number
    // The value, when it is text: single-byte characters in the platform's code page, as the
    // window received them; `textLength` bytes of them, with or without a terminator after.
    const char* text;
    int32_t textLength;
};

// Fills `item` with child `index` (0 is the first, in the order a reader walks them) when there
// is such a child, and leaves it alone otherwise; returns how many children there are.
using AccessibleDescriber = int32_t (*)(int32_t index, AccessibleItem* item);

// The answer to WM_GETOBJECT. For the client area an object over `describe`, which names the
// window with its title and has no default action; every other question, and every question
// while `describe` is null, gets the default handling. The first answer loads the platform's
// accessibility libraries, from its system folder only.
LResult OsAnswerAccessibleObject(WindowHandle window, WParam wParam, LParam lParam,
                                 AccessibleDescriber describe);

// Tells listening readers that child `index` (as the describing function counts them) of the
// window's client area changed. Loads nothing: the platform only passes the news on.
void OsNotifyAccessibleEvent(WindowHandle window, AccessibleEvent event, int32_t index);
