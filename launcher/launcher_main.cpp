// The launcher's life: the window with four language buttons, the menu loop, and the hand-off
// to the chosen language's installer.
#include "launcher/launcher_main.h"

#include "artwork/artwork.h"
#include "display/display.h"
#include "display/window_proc.h"
#include "launcher/installer_start.h"
#include "launcher/product.h"
#include "toolkit/accessibility.h"
#include "toolkit/dispatcher.h"
#include "toolkit/toolkit_state.h"

namespace {

struct LanguageButton {
    int32_t id;
    int32_t top;
    RgbPicture rest;
    RgbPicture lit;
    const char* installer;
    const char* name;  // what a screen reader says: the language's name in that language
};

const LanguageButton kLanguageButtons[] = {
    {100, 83, artButtonGermanRest, artButtonGermanLit, "setup_ger.exe", "Deutsch"},
    {101, 195, artButtonEnglishRest, artButtonEnglishLit, "setup_eng.exe", "English"},
    {102, 307, artButtonFrenchRest, artButtonFrenchLit, "setup_fra.exe", "Français"},
    {103, 419, artButtonItalianRest, artButtonItalianLit, "setup_ita.exe", "Italiano"},
};

// The installer of the language button released on, or null for any other event.
const char* ChosenInstaller(const UiEvent& event) {
    if (event.kind != EventRelease || event.index < 0 || event.index >= activeList->count) {
        return nullptr;
    }
    const Control& c = activeList->items[event.index];
    if (c.type != ControlImageButton) return nullptr;
    for (const LanguageButton& button : kLanguageButtons) {
        if (button.id == c.id) return button.installer;
    }
    return nullptr;
}

}  // namespace

int32_t LauncherMain(int32_t showCommand) {
    // The product's name is the window's class name and title.
    if (CreateMainWindow(kProductName, artBackground) == nullptr) return 0;
    ServeList(CreateControlList());
    // A list without its slot block cannot hold the buttons: end as for a missing list.
    if (activeList == nullptr || activeList->items == nullptr) return 0;
    // The lit picture is also the held one. Each button is named at the index it is added at.
    for (const LanguageButton& button : kLanguageButtons) {
        NameControl(activeList, activeList->count, button.name);
        AddImageButton(button.top, button.id, button.rest, button.lit, button.lit);
    }
    for (int32_t i = 0; i < activeList->count; ++i) activeList->items[i].visible = 1;
    // Screen readers find and name the buttons; choosing stays a release over one of them.
    windowDescriber = DescribeActiveList;
    OsShowWindow(mainWindow, showCommand);

    UiEvent event{};
    for (;;) {
        GetUiEvent(&event);
        // No event at all means the platform's wait failed: nothing more can arrive.
        if (event.kind == EventClose || event.kind == EventNone) return 0;
        if (const char* installer = ChosenInstaller(event)) {
            RunInstaller(installer);
            return 0;
        }
    }
}
