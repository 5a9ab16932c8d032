// The seam suite's fixture: a window of its own class whose procedure logs every message it is
// given (with how deeply it was nested) and paints from a frame of its own, and helpers that
// take or dispatch what is queued.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/test_calls.h"
#include "tests/platform/seam/seam_backend.h"

// Skips the test on a backend that cannot show `rule`, naming the backend and the reason.
#define SEAM_NEEDS(rule)                                          \
    if (const char* why = SeamCannotShow(rule); why == nullptr) { \
    } else                                                        \
        GTEST_SKIP() << SeamBackendName() << " cannot show " << (rule) << ": " << why

struct Seen {
    uint32_t message;
    WParam wParam;
    LParam lParam;
    int32_t depth;  // 0: dispatched from the queue or sent from outside any procedure
};

// A queued message as it was taken, with the point of its lParam.
struct Taken {
    uint32_t message;
    WParam wParam;
    int16_t x;
    int16_t y;
    friend bool operator==(const Taken&, const Taken&) = default;
};
void PrintTo(const Taken& taken, std::ostream* os);

class SeamTest : public ::testing::Test {
public:
    static std::vector<Seen> seen;       // every message the test's window was given
    static std::vector<uint32_t> frame;  // what the window paints: kClient x kClient pixels

protected:
    static constexpr int32_t kClient = 200;  // the window's client area is square
    static constexpr uint32_t kStyle = WS_SYSMENU | WS_MINIMIZEBOX;

    void SetUp() override;
    void TearDown() override;
    // A window of a class with `classStyle`, its outer rectangle's corner at (100, 100), shown
    // with `show`; what it was sent until then is dispatched and forgotten.
    WindowHandle Open(uint32_t classStyle, int32_t show, uint32_t style = kStyle);
    // Where the client area's point (x, y) is on the screen, for the window's normal place.
    OsPoint ScreenOf(int32_t x, int32_t y) const;

    // Dispatches what is queued (keys translated), paints included, until only timers remain.
    static void Drain();
    // Takes up to `count` queued messages without dispatching them; a paint is dispatched, as
    // only painting takes it from the queue.
    static std::vector<Taken> Take(size_t count);
    // The messages logged with one of `messages`, as (message, depth).
    static std::vector<std::pair<uint32_t, int32_t>> Logged(std::vector<uint32_t> messages);
    static bool WasSent(uint32_t message);

    WindowHandle window = nullptr;
    OsPoint origin{};  // the client area's corner on the screen, in the normal place
};
