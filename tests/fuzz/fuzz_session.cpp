#include "tests/fuzz/fuzz_session.h"

#include <algorithm>
#include <vector>

#include "base/aligned_alloc.h"
#include "display/display.h"
#include "platform/headless/headless.h"
#include "tests/fuzz/fuzz_harness.h"
#include "tests/support/input_script.h"
#include "toolkit/control_kinds.h"
#include "toolkit/dispatcher.h"
#include "toolkit/toolkit_state.h"

namespace {

constexpr int32_t kMaxActions = 3000;
constexpr int32_t kMaxEvents = 20000;
constexpr int32_t kMaxEndingCalls = 64;  // quits and closes the program may take to end

struct Session {
    ActionMix mix;
    int32_t actions = 0;
    int32_t endingCalls = 0;
    bool leftDown = false;
    bool rightDown = false;
    OsPoint cursorAtPress{0, 0};  // where the last left press with the cursor shown was made
    bool cursorHidden = false;    // a loop hid the cursor since the last event
    int32_t blocksAtStart = 0;
    std::vector<int32_t> cellsBefore;  // each picker's selectedCell before the event
};
Session session;

Control* Items() {
    return activeList->items;
}

// What holds whenever the program is between messages.
void CheckAlways() {
    CheckFrameGuards();
    CheckTextGuards();
    int32_t hovered = 0;
    for (int32_t i = 0; i < activeList->count; ++i) {
        const Control& c = Items()[i];
        Require(c.level >= 0 && c.level <= (KindOf(c.type).fade == FadeGroup::Outline ? 100 : 200),
                "every level stays within its scale");
        hovered += c.hovered;
        if (c.type == ControlTextField) {
            Require(TerminatedInside(c.text, c.textCapacity),
                    "every text stays terminated inside its buffer");
        }
    }
    Require(hovered <= 1, "at most one control is hovered");
}

// What holds once GetUiEvent has returned: no loop runs.
void CheckAfterEvent() {
    CheckAlways();
    Require(alignedAllocCount == session.blocksAtStart, "every work buffer has been freed");
    Require(HeadlessCursorShowCount() == 0, "the cursor is shown again");
    if (session.cursorHidden) {
        OsPoint cursor{};
        OsGetCursorPos(&cursor);
        Require(cursor.x == session.cursorAtPress.x && cursor.y == session.cursorAtPress.y,
                "the cursor is back where the capturing loop found it");
        session.cursorHidden = false;
    }
    Require(pressedIndex >= -1 && pressedIndex < activeList->count, "pressedIndex names a control");
    Require(pendingFocusIndex >= -1 && pendingFocusIndex < activeList->count,
            "pendingFocusIndex names a control");
    for (int32_t i = 0; i < activeList->count; ++i) {
        const Control& c = Items()[i];
        if (KindOf(c.type).word != KindWord::SelectedCell ||
            c.selectedCell == session.cellsBefore[size_t(i)]) {
            continue;
        }
        Require(c.selectedCell >= 0 && int64_t{c.selectedCell} < int64_t{c.columns} * c.rows,
                "a picked cell is a cell of the grid");
    }
}

OsPoint Cursor() {
    OsPoint cursor{};
    OsGetCursorPos(&cursor);
    return cursor;
}

// On or just beside a control (a knob or thumb where it stands), or anywhere on the screen.
OsPoint Target() {
    FuzzedDataProvider& d = *fuzzData;
    if (activeList->count == 0 || d.ConsumeIntegralInRange(0, 3) == 0) {
        return OsPoint{d.ConsumeIntegralInRange(0, 1023), d.ConsumeIntegralInRange(0, 767)};
    }
    const Control& c = Items()[d.ConsumeIntegralInRange(0, activeList->count - 1)];
    int32_t along = 0;
    if (KindOf(c.type).face == Face::Knob) along = c.value;
    if (c.type == ControlScrollBar) along = c.thumbOffset;
    const int32_t x = c.x + (c.orientation == 0 ? along : 0) +
                      d.ConsumeIntegralInRange(-4, std::max(0, c.width) + 4);
    const int32_t y = c.y + (c.orientation == 1 ? along : 0) +
                      d.ConsumeIntegralInRange(-4, std::max(0, c.height) + 4);
    const OsPoint origin = HeadlessClientOrigin(mainWindow);
    return OsPoint{std::clamp(origin.x + x, 0, 1023), std::clamp(origin.y + y, 0, 767)};
}

// A capturing loop starts only from a press made while the cursor shows; a callback that
// pumps messages may take a release from under such a loop, so later presses can fall in it.
void Toggle(uint32_t button, bool* down) {
    if (button == VK_LBUTTON && !*down && HeadlessCursorShowCount() == 0) {
        session.cursorAtPress = Cursor();
    }
    *down = !*down;
    HeadlessPointerButton(button, *down);
}

void Key() {
    const uint32_t keys[] = {VK_TAB,   VK_RETURN, VK_ESCAPE, VK_END,   VK_HOME, VK_LEFT,
                             VK_RIGHT, VK_DELETE, VK_BACK,   VK_SPACE, VK_UP,   'A',
                             'Z',      '0',       '7',       0xBE};
    FuzzedDataProvider& d = *fuzzData;
    const size_t pick = d.ConsumeIntegralInRange<size_t>(0, std::size(keys));
    HeadlessKeyDown(pick < std::size(keys) ? keys[pick] : d.ConsumeIntegral<uint8_t>());
}

// A character message of any code, the ones the text field acts on most often.
void Character() {
    FuzzedDataProvider& d = *fuzzData;
    const WParam code = d.ConsumeBool() ? WParam(Pick({8, 9, '.', '0', '5', 'a', 0}))
                                        : static_cast<WParam>(d.ConsumeIntegral<int32_t>());
    OsPostMessage(mainWindow, WM_CHAR, code, 0);
}

void Close() {
    switch (fuzzData->ConsumeIntegralInRange(0, 2)) {
        case 0:
            OsPostMessage(mainWindow, WM_CLOSE, 0, 0);
            return;
        case 1:
            HeadlessKeyDown(VK_F4, true);
            return;
        default:
            HeadlessClickCaptionButton(mainWindow, HTCLOSE);
    }
}

void Act() {
    FuzzedDataProvider& d = *fuzzData;
    const ActionMix& m = session.mix;
    int32_t roll = d.ConsumeIntegralInRange(0, m.move + m.burst + m.left + m.right + m.key +
                                                   m.character + m.tick + m.close + m.quit - 1);
    const auto next = [&roll](int32_t weight) {
        roll -= weight;
        return roll < 0;
    };
    if (next(m.move)) {
        const OsPoint p = Target();
        HeadlessPointerMoveTo(p.x, p.y);
    } else if (next(m.burst)) {
        for (int32_t n = d.ConsumeIntegralInRange(2, 5); n > 0; --n) {
            const OsPoint p = Target();
            HeadlessPointerMoveTo(p.x, p.y);
        }
    } else if (next(m.left)) {
        Toggle(VK_LBUTTON, &session.leftDown);
    } else if (next(m.right)) {
        Toggle(VK_RBUTTON, &session.rightDown);
    } else if (next(m.key)) {
        Key();
    } else if (next(m.character)) {
        Character();
    } else if (next(m.tick)) {
        HeadlessAdvanceClock(d.ConsumeBool() ? 25u : d.ConsumeIntegralInRange(1u, 600u));
    } else if (next(m.close)) {
        Close();
    } else {
        OsPostQuitMessage(0);
    }
}

// The idle hook: the queue is empty, so every message has been dispatched.
void Feed() {
    CheckAlways();
    if (HeadlessCursorShowCount() < 0) session.cursorHidden = true;
    if (!session.leftDown && !session.rightDown) {
        Require(OsGetCapture() == nullptr, "the capture is released after a gesture");
    }
    if (fuzzData->remaining_bytes() > 0 && session.actions < kMaxActions) {
        ++session.actions;
        Act();
        return;
    }
    Require(++session.endingCalls < kMaxEndingCalls, "every loop ends on the quit message");
    if (session.leftDown) Toggle(VK_LBUTTON, &session.leftDown);
    if (session.rightDown) Toggle(VK_RBUTTON, &session.rightDown);
    OsPostQuitMessage(0);
    OsPostMessage(mainWindow, WM_CLOSE, 0, 0);
}

}  // namespace

int32_t RunGetUiEventTarget(const uint8_t* data, size_t size, void (*build)(),
                            const ActionMix& mix) {
    FuzzedDataProvider input(data, size);
    BeginFuzzRun(&input, true);
    build();
    if (input.ConsumeIntegralInRange(0, 15) == 0) {
        FailAlignedAllocAfter(input.ConsumeIntegralInRange(0, 3));
    }
    session = Session{};
    session.mix = mix;
    session.blocksAtStart = alignedAllocCount;
    session.cursorAtPress = Cursor();
    InputScript user;  // no steps: the input comes from the data, one action at each idle
    user.AtEnd(Feed);
    for (int32_t events = 0;; ++events) {
        Require(events < kMaxEvents, "the run ends");
        session.cellsBefore.clear();
        for (int32_t i = 0; i < activeList->count; ++i) {
            session.cellsBefore.push_back(Items()[i].selectedCell);
        }
        UiEvent event{};
        GetUiEvent(&event);
        CheckAfterEvent();
        Require(event.kind != EventNone, "the wait for a message never fails");
        if (event.kind == EventClose && session.endingCalls > 0) break;
    }
    EndFuzzRun();
    return 0;
}
