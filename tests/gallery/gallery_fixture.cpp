#include "tests/gallery/gallery_fixture.h"

#include "base/aligned_alloc.h"
#include "display/input_state.h"
#include "toolkit/toolkit_state.h"

void GalleryTest::SetUp() {
    HeadlessReset();
    FailAlignedAllocAfter(-1);
    ServeList(nullptr);
    inputX = inputY = 0;
    script_ = std::make_unique<InputScript>();
    script_->CloseAtEnd();
}

void GalleryTest::TearDown() {
    script_.reset();
    for (ControlList*& list : galleryPages) {
        if (list == nullptr) continue;
        FreeAligned(list->items);
        FreeAligned(list);
        list = nullptr;
    }
    ServeList(nullptr);
    FreeAligned(galleryBackground);
    galleryBackground = nullptr;
    FreeAligned(FrameBuffer);
    FrameBuffer = nullptr;
}

int32_t GalleryTest::Run(int32_t page) {
    return GalleryMain(SW_SHOWNORMAL, page);
}

void GalleryTest::MoveTo(int32_t x, int32_t y) {
    script_->MoveTo(x, y);
}

void GalleryTest::Left(bool down) {
    down ? script_->Down() : script_->Up();
}

void GalleryTest::Right(bool down) {
    down ? script_->Down(VK_RBUTTON) : script_->Up(VK_RBUTTON);
}

void GalleryTest::Click(int32_t x, int32_t y) {
    script_->Click(x, y);
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
    script_->Key(virtualKey);
}

void GalleryTest::MoveFromCentre(int32_t dx, int32_t dy) {
    Then([dx, dy] {
        OsRect window{};
        OsGetWindowInfoRect(mainWindow, &window);
        HeadlessPointerMoveTo(window.left + 400 + dx, window.top + 300 + dy);
    });
}
