// One row for each control kind: what the reader's description, the fade, the painter and the
// applications know of a kind as data. What a press, a release or a paint does is code
// (handoff.cpp, paint_control.cpp); the row only says which of it applies.
#pragma once
#include <cstdint>

#include "platform/accessibility.h"
#include "toolkit/control.h"
#include "toolkit/dispatcher.h"

// The record word that holds what a kind's gesture leaves: readers are told it (Checked as a
// state, the others as the value), and an application reads it once the gesture has settled.
enum class KindWord : uint8_t { None, Checked, Value, RangeStart, SelectedCell, Text };

// How the hover fade treats a kind: pictures cross-faded by a level of 0 to 200, or the outline
// group's light ring, whose level 0 to 100 is its strength.
enum class FadeGroup : uint8_t { Pictures, Outline };

// Where the painter puts a kind's face; the hit test and the background under it follow.
enum class Face : uint8_t {
    None,       // not drawn and not invalidated
    Rectangle,  // over its rectangle: its pictures, or its own look (thumb, dial frame, panel)
    SheetCell,  // over its rectangle, the selected cell of its sheets
    Knob,       // a knob `value` pixels along its axis
};

struct ControlKind {
    ControlType type;
    AccessibleRole role;  // what screen readers are told it is
    KindWord word;
    UiEventKind settledBy;  // the event GetUiEvent returns once `word` holds the outcome
    FadeGroup fade;
    Face face;
};

// The row of `type`; a type the toolkit does not know is a grouping with no word, whose
// pictures are drawn over its rectangle.
const ControlKind& KindOf(int32_t type);
