// The test controls of the headless backend, and the programs it pretends to start.
#include <algorithm>

#include "platform/headless/headless_state.h"

using namespace headless;

namespace headless {
Simulation sim;
}  // namespace headless

void HeadlessReset(int32_t screenWidth, int32_t screenHeight) {
    sim = Simulation{};
    sim.screenWidth = screenWidth;
    sim.screenHeight = screenHeight;
    sim.screen.assign(size_t(screenWidth) * size_t(screenHeight), 0);
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

void HeadlessKeyDown(uint32_t virtualKey) {
    if (sim.active == nullptr || sim.active->destroyed) return;
    constexpr uint32_t kScanCode = 0x1C;
    sim.input.push_back(
        OsMessage{Handle(sim.active), WM_KEYDOWN, virtualKey, LParam{1 | (kScanCode << 16)}});
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
    return w != nullptr && w->visible;
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

void HeadlessAddProgramFile(const std::string& path) {
    sim.programFiles.insert(path);
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
                          start.commandLine != nullptr ? start.commandLine : "",
                          start.inheritHandles,
                          start.creationFlags,
                          start.startupFlags,
                          start.showWindow,
                          false,
                          sim.clock + sim.programRunTime,
                          0,
                          false};
    // Without an application name the program is searched for in the program's folder.
    std::string file = start.applicationName != nullptr ? record.applicationName
                                                        : sim.programFolder + record.commandLine;
    record.started = sim.programFiles.count(file) == 1;
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
