// What a driver reads of the rules, so that their records stay theirs.
#include "platform/rules/rules.h"

using namespace rules;

void ResetRules() {
    Reset();
}

bool MessageWaiting() {
    return !QueueEmpty();
}

std::vector<WindowHandle> LiveWindows() {
    std::vector<WindowHandle> live;
    for (auto& w : state.windows) {
        if (!w->destroyed) live.push_back(Handle(w.get()));
    }
    return live;
}

bool WindowExists(WindowHandle window) {
    return Win(window) != nullptr;
}

bool WindowShown(WindowHandle window) {
    const Window* w = Win(window);
    return w != nullptr && Visible(*w);
}

bool WindowMinimized(WindowHandle window) {
    const Window* w = Win(window);
    return w != nullptr && Minimized(*w);
}

OsRect WindowClientOnScreen(WindowHandle window) {
    const Window* w = Win(window);
    return w != nullptr ? ClientRectOnScreen(*w) : OsRect{0, 0, 0, 0};
}

DriverWindow* WindowDriverPart(WindowHandle window) {
    const Window* w = Record(window);
    return w != nullptr ? w->driver : nullptr;
}

void SetWindowDriverPart(WindowHandle window, DriverWindow* part) {
    if (Window* w = Record(window)) w->driver = part;
}

int32_t CursorShowCount() {
    return state.cursorShowCount;
}
