// The seam suite on the headless driver: input from its test calls, a virtual clock, programs
// it pretends to start, and its simulated screen.
#include "platform/headless/headless.h"
#include "tests/platform/seam/seam_backend.h"

namespace {
WindowHandle current = nullptr;
}  // namespace

const char* SeamBackendName() {
    return "headless";
}

const char* SeamCannotShow(const char* /*rule*/) {
    return nullptr;
}

bool SeamVirtualTime() {
    return true;
}

void SeamSetUp() {
    HeadlessReset();
    HeadlessAddProgramFile("C:\\Varorizo\\quick.exe");
    current = nullptr;
}

void SeamSetWindow(WindowHandle window) {
    current = window;
}

void SeamPointerTo(OsPoint screen) {
    HeadlessPointerMoveTo(screen.x, screen.y);
}

void SeamButton(uint32_t button, bool down) {
    HeadlessPointerButton(button, down);
}

void SeamKey(uint32_t virtualKey, bool altHeld) {
    HeadlessKeyDown(virtualKey, altHeld);
    HeadlessKeyUp(virtualKey, altHeld);
}

void SeamClickCaption(WindowHandle window, int32_t hit) {
    HeadlessClickCaptionButton(window, hit);
}

void SeamLetTimePass(uint32_t milliseconds) {
    HeadlessAdvanceClock(milliseconds);
}

ProcessHandle SeamStartProgram(bool quick) {
    HeadlessSetProgramRunTime(quick ? 0 : 2000);
    char commandLine[] = "quick.exe";
    return OsCreateProcess(OsProcessStart{nullptr, commandLine, false, 0, 0, 0});
}

void SeamLetProgramEnd(ProcessHandle /*process*/) {}

uint32_t SeamClientPixel(WindowHandle window, int32_t x, int32_t y) {
    const OsPoint origin = HeadlessClientOrigin(window);
    return HeadlessScreenPixel(origin.x + x, origin.y + y) & 0x00FFFFFFu;
}

std::vector<uint32_t> SeamClientPixels(WindowHandle window, int32_t width, int32_t height) {
    return EachClientPixel(window, width, height);
}
