// The plug-in's one export, as a host sees it: C linkage, the C calling convention, by name
// or by ordinal 1.
#pragma once
#include <cstdint>

// The display name at `index` (0 pack, 1-9 groups, 10-99 placeholders, 100-303 items) in the
// system default language, German or English. The string belongs to the plug-in and stays
// valid while it is loaded; outside 0..303 the result is an empty string.
extern "C" const char16_t* DLLApplyEffect(int32_t index);
