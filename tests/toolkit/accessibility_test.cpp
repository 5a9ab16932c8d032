// What screen readers are told of the active list, where the tests under Wine do not reach:
// hidden controls, the pressed state, the scroll bar's thumb and position, the dial's value, and
// a text without its terminator.
#include <gtest/gtest.h>

#include <string>

#include "toolkit/control.h"
#include "toolkit/accessibility.h"
#include "toolkit/toolkit_state.h"

namespace {

TEST(AccessibilityTest, VisibleControlsAreDescribedInListOrderWhereTheyAreSeenAndHit) {
    char unterminated[3] = {'a', 'b', 'c'};
    Control items[4] = {
        MakeControl(ControlImageButton, 0, 0, 5, 5), MakeControl(ControlScrollBar, 100, 5, 200, 18),
        MakeControl(ControlTextField, 0, 0, 5, 5), MakeControl(ControlDial, 0, 0, 5, 5)};
    items[0].visible = 2;  // only 1 shows a control
    items[1].rangeEnd = 100;  // content; the page of 25 makes a 50-pixel thumb
    items[1].value = 25;
    items[1].thumbOffset = 30;
    items[1].rangeStart = 15;
    items[2].text = unterminated;
    items[2].textCapacity = 3;
    items[3].value = -3;
    items[3].hovered = 1;
    ControlList list{kControlListCapacity, 4, items};
    ServeList(&list);
    BeginGesture(1);
    EXPECT_TRUE(NameControl(&list, 1, "bar"));  // the control's index, not the child's
    EXPECT_FALSE(NameControl(&list, kControlListCapacity, "past the slots"));
    EXPECT_FALSE(NameControl(&list, -1, "before them"));

    AccessibleItem item{};
    ASSERT_EQ(DescribeActiveList(0, &item), 3);
    EXPECT_EQ(item.role, AccessibleRole::ScrollBar);
    EXPECT_EQ(item.states, AccessiblePressed);
    EXPECT_EQ(item.rect, (OsRect{130, 5, 180, 23}));  // the thumb
    EXPECT_STREQ(item.name, "bar");
    EXPECT_EQ(item.number, 15);  // the position, not the page
    DescribeActiveList(1, &item);
    ASSERT_EQ(item.valueKind, AccessibleValue::Text);
    EXPECT_EQ(std::string(item.text, static_cast<size_t>(item.textLength)), "abc");
    DescribeActiveList(2, &item);
    EXPECT_EQ(item.role, AccessibleRole::Slider);
    EXPECT_EQ(item.valueKind, AccessibleValue::Number);
    EXPECT_EQ(item.number, -3);
    EXPECT_EQ(item.states, AccessibleHot);
    ControlList overfull{3, 4, items};  // a count past its slots: only the slots count
    ServeList(&overfull);
    EXPECT_EQ(DescribeActiveList(0, &item), 2);
    ServeList(nullptr);
    NameControl(&list, 1, nullptr);
    // A list whose names are all taken away frees its place for others.
    ControlList others[kNamedListCapacity + 1] = {};
    for (ControlList& other : others) {
        EXPECT_TRUE(NameControl(&other, 0, "named"));
        NameControl(&other, 0, nullptr);
    }
}

// Every kind at (10, 20), 30 x 40, with a different number in each word a value can come from.
// A part that cannot be hit (a scroll bar without content, a knob off its axes) leaves readers
// the whole rectangle.
TEST(AccessibilityTest, EachKindIsToldItsRoleItsValueWordAndWhereItIs) {
    using R = AccessibleRole;
    using V = AccessibleValue;
    struct Row {
        int32_t type;
        int32_t orientation;
        AccessibleRole role;
        AccessibleValue valueKind;
        int32_t number;
        OsRect rect;
    };
    constexpr OsRect kWhole{10, 20, 40, 60};
    const Row rows[] = {
        {ControlImageButton, 0, R::PushButton, V::None, 0, kWhole},
        {ControlSliderKnob, 0, R::Slider, V::Number, 7, {17, 20, 47, 60}},
        {ControlSliderKnob, 1, R::Slider, V::Number, 7, {10, 27, 40, 67}},
        {ControlSliderKnob, 2, R::Slider, V::Number, 7, kWhole},
        {ControlToggleButton, 0, R::CheckBox, V::None, 0, kWhole},
        {ControlCellPicker, 0, R::DropDownGrid, V::Number, 9, kWhole},
        {ControlPushButton, 0, R::PushButton, V::None, 0, kWhole},
        {ControlRadioButton, 0, R::RadioButton, V::None, 0, kWhole},
        {ControlHotArea, 0, R::Grouping, V::None, 0, kWhole},
        {ControlDragSource, 0, R::Grouping, V::None, 0, kWhole},
        {ControlPressArea, 0, R::Grouping, V::None, 0, kWhole},
        {ControlInertArea, 0, R::Grouping, V::None, 0, kWhole},
        {ControlScrollBar, 0, R::ScrollBar, V::Number, 8, kWhole},
        {ControlFramedCellPicker, 0, R::DropDownGrid, V::Number, 9, kWhole},
        {ControlDial, 0, R::Slider, V::Number, 7, kWhole},
        {ControlHoverArea, 0, R::Graphic, V::None, 0, kWhole},
        {ControlDragDropArea, 0, R::Grouping, V::None, 0, kWhole},
        {ControlTextField, 0, R::EditableText, V::Text, 0, kWhole},
        {ControlFreeMotion, 0, R::Graphic, V::None, 0, kWhole},
        {ControlFreeMotion + 1, 0, R::Grouping, V::None, 0, kWhole},  // a kind it does not know
    };
    char text[] = "abc";
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "type " << row.type << " axis " << row.orientation);
        Control c = MakeControl(row.type, 10, 20, 30, 40);
        c.orientation = row.orientation;
        c.value = 7;
        c.rangeStart = 8;
        c.selectedCell = 9;
        c.text = text;
        c.textCapacity = sizeof text;
        ControlList list{kControlListCapacity, 1, &c};
        ServeList(&list);
        AccessibleItem item{};
        ASSERT_EQ(DescribeActiveList(0, &item), 1);
        EXPECT_EQ(item.role, row.role);
        EXPECT_EQ(item.valueKind, row.valueKind);
        EXPECT_EQ(item.number, row.number);
        EXPECT_EQ(item.rect, row.rect);
        if (row.valueKind == V::Text) {
            EXPECT_EQ(std::string(item.text, static_cast<size_t>(item.textLength)), "abc");
        }
    }
    ServeList(nullptr);
}

}  // namespace
