// Fuzz target: GetUiEvent with every interaction loop, over up to ten controls of any kind and
// a stream of user input; sometimes the work buffers cannot be allocated.
#include "base/aligned_alloc.h"
#include "tests/fuzz/fuzz_controls.h"
#include "tests/fuzz/fuzz_harness.h"
#include "tests/fuzz/fuzz_session.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    BeginFuzzRun(&input, true);
    BuildAnyControls();
    if (input.ConsumeIntegralInRange(0, 15) == 0) {
        FailAlignedAllocAfter(input.ConsumeIntegralInRange(0, 3));
    }
    RunSession(ActionMix{30, 5, 12, 5, 12, 6, 24, 2, 2});
    EndFuzzRun();
    return 0;
}
