// Fuzz target: text field editing through GetUiEvent: one to three fields of any capacity, text,
// caret, scroll position, filter and font, and a stream mostly of keys and characters.
#include "tests/fuzz/fuzz_controls.h"
#include "tests/fuzz/fuzz_session.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return RunGetUiEventTarget(data, size, BuildTextFields,
                               ActionMix{10, 1, 8, 2, 40, 30, 15, 1, 1});
}
