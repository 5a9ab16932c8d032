// The window procedure does no toolkit work: it records each input in the InputState, keeps
// the animation timer, paints, and turns a close request into input instead of destroying.
#include "display/window_proc.h"

#include "display/display.h"
#include "display/input_state.h"

int32_t inputCode = 0;
int16_t inputX = 0;
int16_t inputY = 0;
int32_t inputKey = 0;
AccessibleDescriber windowDescriber = nullptr;

namespace {

// The low half of lParam is x, the high half y, each a signed 16-bit word.
void StorePosition(LParam lParam) {
    auto bits = static_cast<uint32_t>(lParam);
    inputX = static_cast<int16_t>(bits & 0xFFFFu);
    inputY = static_cast<int16_t>(bits >> 16);
}

// No input recorded: what a message that is no input leaves behind.
void ClearInput() {
    inputCode = InputNone;
    inputKey = -1;
}

void RepaintWholeWindow() {
    InvalidateArea(0, kDirtyEmptyCorner, 0, kDirtyEmptyCorner);
    UpdateWindowNow();
}

}  // namespace

LResult MainWindowProc(WindowHandle window, uint32_t message, WParam wParam, LParam lParam) {
    // WM_CONTEXTMENU arrives inside the right release's default handling; the release's
    // input must survive it. A screen reader's question is sent at any time and is no input.
    if (message != WM_CONTEXTMENU && message != WM_GETOBJECT) ClearInput();
    switch (message) {
        case WM_CREATE:
            OsSetTimer(window, kAnimationTimerId, kAnimationTimerPeriodMs);
            return 0;
        case WM_DESTROY:
            OsKillTimer(window, kAnimationTimerId);
            return 0;
        case WM_ACTIVATE:
        case WM_NCPAINT:
            RepaintWholeWindow();
            break;
        case WM_PAINT:
            PresentFrame();
            SetDirtyRectEmpty();
            return 0;
        case WM_GETOBJECT:
            return OsAnswerAccessibleObject(window, wParam, lParam, windowDescriber);
        case WM_CLOSE:
            inputCode = InputClose;
            StorePosition(lParam);
            return 0;
        case WM_KEYDOWN:
            inputCode = InputKey;
            StorePosition(lParam);
            inputKey = static_cast<int32_t>(wParam);
            break;
        case WM_CHAR:
            inputCode = InputChar;
            StorePosition(lParam);
            inputKey = static_cast<int32_t>(wParam);
            break;
        case WM_TIMER:
            inputCode = InputTimer;
            break;
        case WM_MOUSEMOVE:
            inputCode = InputMove;
            StorePosition(lParam);
            break;
        // A press captures the pointer, so the release and the moves between reach the window
        // even outside it; a release lets go unless its own key-state flags show the button down.
        // The capture calls come first: they send WM_CAPTURECHANGED, which resets the input.
        case WM_LBUTTONDOWN:
            OsSetCapture(window);
            inputCode = InputLeftDown;
            StorePosition(lParam);
            break;
        case WM_LBUTTONUP:
            if ((wParam & MK_LBUTTON) == 0) OsReleaseCapture();
            inputCode = InputLeftUp;
            StorePosition(lParam);
            break;
        case WM_RBUTTONDOWN:
            OsSetCapture(window);
            inputCode = InputRightDown;
            StorePosition(lParam);
            break;
        case WM_RBUTTONUP:
            if ((wParam & MK_RBUTTON) == 0) OsReleaseCapture();
            inputCode = InputRightUp;
            StorePosition(lParam);
            break;
        default:
            break;
    }
    return OsDefWindowProc(window, message, wParam, lParam);
}

PumpResult PumpInputMessage() {
    ClearInput();
    return PumpOneMessage();
}
