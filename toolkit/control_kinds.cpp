// The table of the control kinds, in ControlType order.
#include "toolkit/control_kinds.h"

#include <iterator>

namespace {

using R = AccessibleRole;
using W = KindWord;
using F = Face;
constexpr FadeGroup kPictures = FadeGroup::Pictures;
constexpr FadeGroup kOutline = FadeGroup::Outline;

// type, role, word, settledBy, fade, face
constexpr ControlKind kKinds[] = {
    {ControlImageButton, R::PushButton, W::None, EventNone, kPictures, F::Rectangle},
    {ControlSliderKnob, R::Slider, W::Value, EventPress, kPictures, F::Knob},
    {ControlToggleButton, R::CheckBox, W::Checked, EventRelease, kPictures, F::Rectangle},
    {ControlCellPicker, R::DropDownGrid, W::SelectedCell, EventPress, kPictures, F::SheetCell},
    {ControlPushButton, R::PushButton, W::None, EventNone, kPictures, F::Rectangle},
    {ControlRadioButton, R::RadioButton, W::Checked, EventRelease, kPictures, F::Rectangle},
    {ControlHotArea, R::Grouping, W::None, EventNone, kOutline, F::None},
    {ControlDragSource, R::Grouping, W::None, EventNone, kPictures, F::None},
    {ControlPressArea, R::Grouping, W::None, EventNone, kOutline, F::None},
    {ControlInertArea, R::Grouping, W::None, EventNone, kPictures, F::None},
    {ControlScrollBar, R::ScrollBar, W::RangeStart, EventPress, kOutline, F::Rectangle},
    {ControlFramedCellPicker, R::DropDownGrid, W::SelectedCell, EventPress, kPictures,
     F::SheetCell},
    {ControlDial, R::Slider, W::Value, EventPress, kPictures, F::Rectangle},
    {ControlHoverArea, R::Graphic, W::None, EventNone, kPictures, F::Rectangle},
    {ControlDragDropArea, R::Grouping, W::None, EventNone, kOutline, F::None},
    {ControlTextField, R::EditableText, W::Text, EventRelease, kPictures, F::Rectangle},
    {ControlFreeMotion, R::Graphic, W::None, EventNone, kPictures, F::Rectangle},
};

constexpr ControlKind kUnknownKind{ControlTypeCount, R::Grouping, W::None,
                                   EventNone,        kPictures,   F::Rectangle};

constexpr bool EveryRowInItsPlace() {
    for (int32_t i = 0; i < ControlTypeCount; ++i) {
        if (kKinds[i].type != i) return false;
    }
    return true;
}

static_assert(std::size(kKinds) == ControlTypeCount, "one row for every ControlType");
static_assert(EveryRowInItsPlace(), "the rows in ControlType order");

}  // namespace

const ControlKind& KindOf(int32_t type) {
    return type >= 0 && type < ControlTypeCount ? kKinds[type] : kUnknownKind;
}
