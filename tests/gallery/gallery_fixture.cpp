#include "tests/gallery/gallery_fixture.h"

#include "base/aligned_alloc.h"
#include "display/input_state.h"
#include "toolkit/control.h"

void GalleryTest::SetUp() {
    HeadlessReset();
    FailAlignedAllocAfter(-1);
    activeList = nullptr;
    pressedIndex = -1;
    pendingFocusIndex = -1;
    inputX = inputY = 0;
    HeadlessSetIdleHook([this] {
        if (script_.empty()) {
            OsPostMessage(mainWindow, WM_CLOSE, 0, 0);
            return;
        }
        std::function<void()> step = std::move(script_.front());
        script_.pop_front();
        step();
    });
}

void GalleryTest::TearDown() {
    HeadlessSetIdleHook(nullptr);
    for (ControlList*& list : galleryPages) {
        if (list == nullptr) continue;
        FreeAligned(list->items);
        FreeAligned(list);
        list = nullptr;
    }
    activeList = nullptr;
    FreeAligned(galleryBackground);
    galleryBackground = nullptr;
    FreeAligned(FrameBuffer);
    FrameBuffer = nullptr;
}

int32_t GalleryTest::Run(int32_t page) {
    return GalleryMain(SW_SHOWNORMAL, page);
}

void GalleryTest::MoveTo(int32_t x, int32_t y) {
    Then([x, y] {
        const OsPoint origin = HeadlessClientOrigin(mainWindow);
        HeadlessPointerMoveTo(origin.x + x, origin.y + y);
    });
}

void GalleryTest::Left(bool down) {
    Then([down] { HeadlessPointerButton(HeadlessButton::Left, down); });
}

void GalleryTest::Right(bool down) {
    Then([down] { HeadlessPointerButton(HeadlessButton::Right, down); });
}

void GalleryTest::Click(int32_t x, int32_t y) {
    MoveTo(x, y);
    Left(true);
    Left(false);
}

// The knob and thumb drags measure from the first move after the press: one pixel first.
void GalleryTest::Drag(int32_t fromX, int32_t fromY, int32_t toX, int32_t toY) {
    MoveTo(fromX, fromY);
    Left(true);
    MoveTo(fromX + 1, fromY);
    MoveTo(toX + 1, toY);
    Left(false);
}

void GalleryTest::Key(uint32_t virtualKey) {
    Then([virtualKey] { HeadlessKeyDown(virtualKey); });
}

void GalleryTest::MoveFromCentre(int32_t dx, int32_t dy) {
    Then([dx, dy] {
        OsRect window{};
        OsGetWindowInfoRect(mainWindow, &window);
        HeadlessPointerMoveTo(window.left + 400 + dx, window.top + 300 + dy);
    });
}
