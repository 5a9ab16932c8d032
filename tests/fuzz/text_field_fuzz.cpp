// Fuzz target: text field editing through GetUiEvent: one to three fields of any capacity, text,
// caret, scroll position, filter and font, and a stream mostly of keys and characters.
#include "base/aligned_alloc.h"
#include "tests/fuzz/fuzz_controls.h"
#include "tests/fuzz/fuzz_harness.h"
#include "tests/fuzz/fuzz_session.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    BeginFuzzRun(&input, true);
    BuildTextFields();
    if (input.ConsumeIntegralInRange(0, 15) == 0) {
        FailAlignedAllocAfter(input.ConsumeIntegralInRange(0, 3));
    }
    RunSession(ActionMix{10, 1, 8, 2, 40, 30, 15, 1, 1});
    EndFuzzRun();
    return 0;
}
