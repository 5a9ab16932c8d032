// Fuzz target: GetUiEvent with every interaction loop, over up to ten controls of any kind and
// a stream of user input.
#include "tests/fuzz/fuzz_controls.h"
#include "tests/fuzz/fuzz_session.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return RunGetUiEventTarget(data, size, BuildAnyControls,
                               ActionMix{30, 5, 12, 5, 12, 6, 24, 2, 2});
}
