// What screen readers are told of the active list: roles, states, rectangles, names and values.
#include <gtest/gtest.h>

#include <string>

#include "tests/toolkit/make_control.h"
#include "toolkit/accessibility.h"

namespace {

struct Expected {
    AccessibleRole role;
    uint32_t states;
    OsRect rect;
    const char* name;
    std::string value;  // "" none, "=7" a number, "'abc'" a text
};

// Built by appending: prepending to a string trips a false -Wrestrict of GCC 12 on x86.
std::string ValueOf(const AccessibleItem& item) {
    std::string value;
    if (item.valueKind == AccessibleValue::Number)
        value.append("=").append(std::to_string(item.number));
    if (item.valueKind == AccessibleValue::Text) {
        value.append("'").append(item.text, static_cast<size_t>(item.textLength)).append("'");
    }
    return value;
}

TEST(AccessibilityTest, EachVisibleControlIsDescribedInListOrderAsTheHitTestAndPainterSeeIt) {
    char unterminated[3] = {'a', 'b', 'c'};
    Control items[kControlListCapacity];
    items[0] = MakeControl(ControlPushButton, 10, 20, 30, 40);
    items[0].flags = FlagDisabled;
    items[1] = MakeControl(ControlToggleButton, 0, 0, 5, 5);
    items[1].checked = 1;
    items[1].hovered = 1;
    items[2] = MakeControl(ControlImageButton, 0, 0, 5, 5);
    items[2].visible = 0;
    items[3] = MakeControl(ControlSliderKnob, 0, 0, 8, 9);
    items[3].orientation = 1;
    items[3].value = 7;
    items[4] = MakeControl(ControlScrollBar, 100, 5, 200, 18);
    items[4].rangeEnd = 100;  // content; the page of 25 makes a 50-pixel thumb
    items[4].value = 25;
    items[4].extent = 2;
    items[4].thumbOffset = 30;
    items[4].rangeStart = 15;
    items[5] = MakeControl(ControlTextField, 0, 0, 5, 5);
    items[5].text = unterminated;
    items[5].textCapacity = 3;
    items[6] = MakeControl(ControlHoverArea, 0, 0, 5, 5);
    items[7] = MakeControl(ControlHotArea, 0, 0, 5, 5);
    items[8] = MakeControl(ControlDial, 0, 0, 5, 5);
    items[8].value = -3;
    items[9] = MakeControl(ControlFramedCellPicker, 0, 0, 5, 5);
    items[9].selectedCell = 6;
    ControlList list{kControlListCapacity, kControlListCapacity, items};
    activeList = &list;
    pressedIndex = 3;
    ASSERT_TRUE(NameControl(&list, 0, "push"));
    ASSERT_TRUE(NameControl(&list, 3, "knob"));

    using enum AccessibleRole;
    const Expected expected[] = {
        {PushButton, AccessibleUnavailable, {10, 20, 40, 60}, "push", ""},
        {CheckBox, AccessibleChecked | AccessibleHot, {0, 0, 5, 5}, nullptr, ""},
        {Slider, AccessiblePressed, {0, 7, 8, 16}, "knob", "=7"},
        {ScrollBar, 0, {130, 5, 180, 23}, nullptr, "=15"},  // the thumb; the position
        {EditableText, 0, {0, 0, 5, 5}, nullptr, "'abc'"},  // never past its buffer
        {Graphic, 0, {0, 0, 5, 5}, nullptr, ""},
        {Grouping, 0, {0, 0, 5, 5}, nullptr, ""},
        {Slider, 0, {0, 0, 5, 5}, nullptr, "=-3"},
        {DropDownGrid, 0, {0, 0, 5, 5}, nullptr, "=6"},
    };
    AccessibleItem item{};
    ASSERT_EQ(DescribeActiveList(-1, &item), 9);
    for (int32_t k = 0; k < 9; ++k) {
        SCOPED_TRACE(k);
        const Expected& e = expected[k];
        EXPECT_EQ(DescribeActiveList(k, &item), 9);
        EXPECT_EQ(item.role, e.role);
        EXPECT_EQ(item.states, e.states);
        EXPECT_EQ(item.rect, e.rect);
        EXPECT_EQ(item.name, e.name);
        EXPECT_EQ(ValueOf(item), e.value);
    }
    activeList = nullptr;
    pressedIndex = -1;
    NameControl(&list, 0, nullptr);
    NameControl(&list, 3, nullptr);
}

TEST(AccessibilityTest, NamesStayWithTheirListInsideItsSlotsAndFreeTheirPlaceWhenTakenAway) {
    ControlList lists[kNamedListCapacity + 1] = {};
    for (int32_t k = 0; k < kNamedListCapacity; ++k) {
        EXPECT_TRUE(NameControl(&lists[k], 9, "last slot"));
    }
    EXPECT_FALSE(NameControl(&lists[kNamedListCapacity], 0, "one list too many"));
    EXPECT_FALSE(NameControl(&lists[0], kControlListCapacity, "past the slots"));
    EXPECT_FALSE(NameControl(&lists[0], -1, "before them"));
    EXPECT_STREQ(ControlName(&lists[1], 9), "last slot");
    EXPECT_EQ(ControlName(&lists[1], 8), nullptr);
    EXPECT_EQ(ControlName(&lists[kNamedListCapacity], 9), nullptr);
    EXPECT_TRUE(NameControl(&lists[0], 9, nullptr));
    EXPECT_TRUE(NameControl(&lists[kNamedListCapacity], 0, "in the freed place"));
    for (ControlList& list : lists) {
        NameControl(&list, 9, nullptr);
        NameControl(&list, 0, nullptr);
    }
}

}  // namespace
