// The test controls of the headless backend, and the programs it pretends to start.
#include <algorithm>

#include "platform/headless/headless_state.h"

using namespace headless;

namespace headless {
Simulation sim;
}  // namespace headless

// The screen's storage is kept, so that resetting often costs no fresh pages.
void HeadlessReset(int32_t screenWidth, int32_t screenHeight) {
    std::vector<uint32_t> screen = std::move(sim.screen);
    sim = Simulation{};
    sim.screenWidth = screenWidth;
    sim.screenHeight = screenHeight;
    screen.assign(size_t(screenWidth) * size_t(screenHeight), 0);
    sim.screen = std::move(screen);
}

void HeadlessAdvanceClock(uint32_t milliseconds) {
    sim.clock += milliseconds;
}

uint64_t HeadlessClock() {
    return sim.clock;
}

void HeadlessPointerMoveTo(int32_t screenX, int32_t screenY) {
    sim.cursor = OsPoint{screenX, screenY};
    QueuePointerMessage(WM_MOUSEMOVE);
}

void HeadlessPointerButton(HeadlessButton button, bool down) {
    bool left = button == HeadlessButton::Left;
    (left ? sim.leftDown : sim.rightDown) = down;
    uint32_t message =
        left ? (down ? WM_LBUTTONDOWN : WM_LBUTTONUP) : (down ? WM_RBUTTONDOWN : WM_RBUTTONUP);
    QueuePointerMessage(message);
}

void HeadlessKeyDown(uint32_t virtualKey, bool altHeld) {
    Window* target = sim.focus != nullptr ? sim.focus : sim.active;
    if (target == nullptr || target->destroyed) return;
    constexpr uint32_t kScanCode = 0x1C;
    const bool system = altHeld || sim.focus == nullptr;
    const LParam data =
        LParam{1} | LParam{kScanCode} << 16 | (altHeld ? LParam{KF_ALTDOWN} << 16 : 0);
    sim.input.push_back(QueuedInput{
        OsMessage{Handle(target), system ? uint32_t{WM_SYSKEYDOWN} : uint32_t{WM_KEYDOWN},
                  virtualKey, data},
        sim.clock, sim.cursor});
}

void HeadlessSetIdleHook(std::function<void()> hook) {
    sim.idleHook = std::move(hook);
}

uint32_t HeadlessScreenPixel(int32_t x, int32_t y) {
    if (x < 0 || y < 0 || x >= sim.screenWidth || y >= sim.screenHeight) return 0;
    return sim.screen[size_t(y) * size_t(sim.screenWidth) + size_t(x)];
}

OsPoint HeadlessClientOrigin(WindowHandle window) {
    Window* w = Win(window);
    if (w == nullptr) return OsPoint{0, 0};
    OsRect r = ClientRectOnScreen(*w);
    return OsPoint{r.left, r.top};
}

bool HeadlessIsVisible(WindowHandle window) {
    Window* w = Win(window);
    return w != nullptr && Visible(*w);
}

bool HeadlessWindowExists(WindowHandle window) {
    return Win(window) != nullptr;
}

int32_t HeadlessCursorShowCount() {
    return sim.cursorShowCount;
}

void HeadlessSetProgramFolder(const std::string& folder) {
    sim.programFolder = folder;
}

void HeadlessSetProgramRunTime(uint32_t milliseconds) {
    sim.programRunTime = milliseconds;
}

const std::vector<StartedProcess>& HeadlessProcessLog() {
    return sim.processes;
}

const std::vector<LoggedMessage>& HeadlessMessageLog() {
    return sim.log;
}

void HeadlessClearMessageLog() {
    sim.log.clear();
}

// A process handle is its position in the log, plus one.
ProcessHandle OsCreateProcess(const OsProcessStart& start) {
    StartedProcess record{start.applicationName != nullptr ? start.applicationName : "",
                          "",
                          start.commandLine != nullptr ? start.commandLine : "",
                          start.inheritHandles,
                          start.creationFlags,
                          start.startupFlags,
                          start.showWindow,
                          false,
                          sim.clock + sim.programRunTime,
                          0,
                          false};
    record.programFile = FindProgram(start);
    record.started = !record.programFile.empty();
    sim.processes.push_back(record);
    if (!record.started) return nullptr;
    return reinterpret_cast<ProcessHandle>(sim.processes.size());
}

// Messages first, as MsgWaitForMultipleObjects with MWMO_INPUTAVAILABLE; otherwise the idle hook
// gets its chance, and then time passes to the next timer or to the process's end.
OsProcessWait OsWaitForProcessOrMessage(ProcessHandle process) {
    auto slot = reinterpret_cast<uintptr_t>(process);
    if (slot == 0 || slot > sim.processes.size()) return OsProcessWait::Failed;
    StartedProcess& p = sim.processes[slot - 1];
    ++p.waits;
    for (;;) {
        if (!QueueEmpty()) return OsProcessWait::Message;
        if (sim.clock >= p.endsAt) return OsProcessWait::Ended;
        if (sim.idleHook) sim.idleHook();
        if (!QueueEmpty()) return OsProcessWait::Message;
        sim.clock = std::min(p.endsAt, std::max(sim.clock, NextTimerDue()));
    }
}

bool OsCloseHandle(ProcessHandle process) {
    auto slot = reinterpret_cast<uintptr_t>(process);
    if (slot == 0 || slot > sim.processes.size()) return false;
    sim.processes[slot - 1].closed = true;
    return true;
}

bool OsGetProgramFolder(char* folder, uint32_t size) {
    if (sim.programFolder.size() + 1 > size) return false;
    std::copy(sim.programFolder.begin(), sim.programFolder.end(), folder);
    folder[sim.programFolder.size()] = '\0';
    return true;
}
