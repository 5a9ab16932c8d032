// What screen readers are told of the active list, where the tests under Wine do not reach:
// hidden controls, the pressed state, the scroll bar's thumb and position, the dial's value, and
// a text without its terminator.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/control_builder.h"
#include "toolkit/accessibility.h"
#include "toolkit/toolkit_state.h"

namespace {

TEST(AccessibilityTest, VisibleControlsAreDescribedInListOrderWhereTheyAreSeenAndHit) {
    char unterminated[3] = {'a', 'b', 'c'};
    Control items[4] = {
        MakeControl(ControlImageButton, 0, 0, 5, 5), MakeControl(ControlScrollBar, 100, 5, 200, 18),
        MakeControl(ControlTextField, 0, 0, 5, 5), MakeControl(ControlDial, 0, 0, 5, 5)};
    items[0].visible = 0;
    items[1].rangeEnd = 100;  // content; the page of 25 makes a 50-pixel thumb
    items[1].value = 25;
    items[1].thumbOffset = 30;
    items[1].rangeStart = 15;
    items[2].text = unterminated;
    items[2].textCapacity = 3;
    items[3].value = -3;
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
    ServeList(nullptr);
    NameControl(&list, 1, nullptr);
}

}  // namespace
