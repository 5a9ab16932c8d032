// One timer step of the hover fade.
//
//   picture types          hovered & pressed  -> 200, repainted every tick
//                          hovered, < 100     -> +10 (FlagFade) or 100
//                          hovered, > 100     -> -10 (back from the pressed 200)
//                          not hovered, > 0   -> -10, with or without FlagFade
//   outline group          hovered, < 100, FlagOutline -> +10 (FlagFade) or 100
//   (FadeGroup::Outline)   not hovered, > 0            -> -10 (FlagFade) or 0
#include "toolkit/fade.h"

#include "toolkit/control_kinds.h"
#include "toolkit/paint_background.h"
#include "toolkit/paint_control.h"
#include "toolkit/toolkit_state.h"

namespace {

// Returns whether the level changed.
bool StepOutline(Control& c) {
    const bool fade = (c.flags & FlagFade) != 0;
    if (c.hovered != 0) {
        if (c.level >= 100 || (c.flags & FlagOutline) == 0) return false;
        c.level = fade ? c.level + 10 : 100;
        return true;
    }
    if (c.level <= 0) return false;
    c.level = fade ? c.level - 10 : 0;
    return true;
}

// Returns whether the control must be repainted.
bool StepPicture(Control& c, bool pressed) {
    if (c.hovered != 0) {
        if (pressed) {
            c.level = 200;
            return true;
        }
        if (c.level < 100) {
            c.level = (c.flags & FlagFade) != 0 ? c.level + 10 : 100;
            return true;
        }
        if (c.level == 100) return false;
        c.level -= 10;
        return true;
    }
    if (c.level <= 0) return false;
    c.level -= 10;
    return true;
}

}  // namespace

void AnimateControls(Control* items) {
    for (int32_t i = 0; i < controlCount; ++i) {
        Control& c = items[i];
        if (KindOf(c.type).fade == FadeGroup::Outline) {
            if (StepOutline(c)) DrawOutlineHighlight(i, items);
        } else if ((c.flags & FlagNoHover) == 0) {
            if (StepPicture(c, i == pressedIndex)) PaintControl(i, items);
        }
    }
}
