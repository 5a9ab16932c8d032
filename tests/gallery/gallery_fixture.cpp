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

std::function<void()> FromCentre(int32_t dx, int32_t dy) {
    return [dx, dy] {
        OsRect window{};
        OsGetWindowInfoRect(mainWindow, &window);
        HeadlessPointerMoveTo(window.left + 400 + dx, window.top + 300 + dy);
    };
}
