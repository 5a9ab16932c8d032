// The table of the control kinds, in ControlType order.
#include "toolkit/control_kinds.h"

#include <iterator>

namespace {

using R = AccessibleRole;
using W = KindWord;
constexpr FadeGroup kPictures = FadeGroup::Pictures;
constexpr FadeGroup kOutline = FadeGroup::Outline;

// type, role, word, settledBy, fade, painted, sheetCell, slides
constexpr ControlKind kKinds[] = {
    {ControlImageButton, R::PushButton, W::None, EventNone, kPictures, true, false, false},
    {ControlSliderKnob, R::Slider, W::Value, EventPress, kPictures, true, false, true},
    {ControlToggleButton, R::CheckBox, W::Checked, EventRelease, kPictures, true, false, false},
    {ControlCellPicker, R::DropDownGrid, W::SelectedCell, EventPress, kPictures, true, true, false},
    {ControlPushButton, R::PushButton, W::None, EventNone, kPictures, true, false, false},
    {ControlRadioButton, R::RadioButton, W::Checked, EventRelease, kPictures, true, false, false},
    {ControlHotArea, R::Grouping, W::None, EventNone, kOutline, false, false, false},
    {ControlDragSource, R::Grouping, W::None, EventNone, kPictures, false, false, false},
    {ControlPressArea, R::Grouping, W::None, EventNone, kOutline, false, false, false},
    {ControlInertArea, R::Grouping, W::None, EventNone, kPictures, false, false, false},
    {ControlScrollBar, R::ScrollBar, W::RangeStart, EventPress, kOutline, true, false, false},
    {ControlFramedCellPicker, R::DropDownGrid, W::SelectedCell, EventPress, kPictures, true, true,
     false},
    {ControlDial, R::Slider, W::Value, EventPress, kPictures, true, false, false},
    {ControlHoverArea, R::Graphic, W::None, EventNone, kPictures, true, false, false},
    {ControlDragDropArea, R::Grouping, W::None, EventNone, kOutline, false, false, false},
    {ControlTextField, R::EditableText, W::Text, EventRelease, kPictures, true, false, false},
    {ControlFreeMotion, R::Graphic, W::None, EventNone, kPictures, true, false, false},
};

constexpr ControlKind kUnknownKind{ControlTypeCount, R::Grouping, W::None, EventNone,
                                   kPictures,        true,        false,   false};

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
