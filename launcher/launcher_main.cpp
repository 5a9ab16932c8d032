// The launcher's life: the window with the menu's buttons (the four languages, or the
// integrator's own), the menu loop, and the hand-off to the chosen button's installer.
#include "launcher/launcher_main.h"

#include <algorithm>

#include "artwork/artwork.h"
#include "display/display.h"
#include "display/window_proc.h"
#include "launcher/installer_start.h"
#include "launcher/menu_keys.h"
#include "launcher/product.h"
#include "toolkit/accessibility.h"
#include "toolkit/dispatcher.h"
#include "toolkit/toolkit_state.h"

namespace {

constexpr int32_t kFirstButtonId = 100;  // the menu's buttons have the ids 100, 101, ... in order

// The menu button that control `index` of the active list is, or null.
const ArtMenuButton* ButtonAt(int32_t index) {
    if (index < 0 || index >= activeList->count) return nullptr;
    const Control& c = activeList->items[index];
    const int32_t button = c.id - kFirstButtonId;
    if (c.type != ControlImageButton || button < 0 || button >= artMenuCount) return nullptr;
    return &artMenu[button];
}

// The menu button released on, or null for any other event.
const ArtMenuButton* ChosenButton(const UiEvent& event) {
    return event.kind == EventRelease ? ButtonAt(event.index) : nullptr;
}

// The button a first key focuses: the one in the user's language, else the first.
int32_t FirstKeyFocus() {
    const char* languages[kArtMenuCapacity] = {};
    for (int32_t i = 0; i < artMenuCount && i < kArtMenuCapacity; ++i) {
        languages[i] = artMenu[i].language;
    }
    return ButtonInUserLanguage(languages, std::min(artMenuCount, kArtMenuCapacity));
}

}  // namespace

int32_t LauncherMain(int32_t showCommand, bool keysChoose) {
    // The product's name is the window's class name and title.
    if (CreateMainWindow(kProductName, artBackground) == nullptr) return 0;
    ServeList(CreateControlList());
    // A list without its slot block cannot hold the buttons: end as for a missing list.
    if (activeList == nullptr || activeList->items == nullptr) return 0;
    // The lit picture is also the held one. Each button is named at the index it is added at.
    for (int32_t i = 0; i < artMenuCount; ++i) {
        const ArtMenuButton& b = artMenu[i];
        NameControl(activeList, activeList->count, b.name);
        AddImageButtonAt(b.left, b.top, b.width, b.height, kFirstButtonId + i, b.rest, b.lit,
                         b.lit);
    }
    for (int32_t i = 0; i < activeList->count; ++i) activeList->items[i].visible = 1;
    // Screen readers find and name the buttons; choosing stays a release over one of them.
    windowDescriber = DescribeActiveList;
    OsShowWindow(mainWindow, showCommand);

    UiEvent event{};
    UseKeyFocus(keysChoose);
    const int32_t firstKeyFocus = keysChoose ? FirstKeyFocus() : 0;
    int32_t pointerButton = -1;  // the button the pointer moved onto last, or -1
    for (;;) {
        GetUiEvent(&event);
        // No event at all means the platform's wait failed: nothing more can arrive.
        if (event.kind == EventClose || event.kind == EventNone) return 0;
        if (const ArtMenuButton* chosen = ChosenButton(event)) {
            RunInstaller(chosen->run, chosen->arguments);
            return 0;
        }
        if (!keysChoose) continue;
        if (event.kind == EventMove || event.kind == EventMoveOver) pointerButton = event.index;
        const int32_t lit = keyFocusIndex >= 0 ? keyFocusIndex : pointerButton;
        switch (TakeMenuKey(event, lit, firstKeyFocus, activeList->count)) {
            case MenuKey::Close:
                return 0;
            case MenuKey::Choose:
                if (const ArtMenuButton* chosen = ButtonAt(keyFocusIndex)) {
                    RunInstaller(chosen->run, chosen->arguments);
                    return 0;
                }
                break;
            case MenuKey::Nothing:
                break;
        }
    }
}
