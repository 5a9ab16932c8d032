// What screen readers learn of the active list: each visible control in list order, with the
// role its type plays, the name its application gave it, its state, where it really is and its
// value. The names live beside the list, so the Control record stays as it is.
#pragma once
#include <cstdint>

#include "platform/accessibility.h"
#include "toolkit/control.h"

constexpr int32_t kNamedListCapacity = 8;  // lists whose controls can carry names

// Names control `index` (0 to 9) of `list` for screen readers. `name` is UTF-8 and stays the
// application's, as long as the list lives; null takes a name away (a list left without names
// frees its place). False for an index outside the list's slots, and when `kNamedListCapacity`
// other lists carry names already.
bool NameControl(const ControlList* list, int32_t index, const char* name);
// The name of control `index` of `list`, or null.
const char* ControlName(const ControlList* list, int32_t index);

// The describing function over activeList (an AccessibleDescriber).
int32_t DescribeActiveList(int32_t index, AccessibleItem* item);

// Tells listening screen readers that control `index` of the active list, a visible one, took
// the key focus or changed its state or value.
void NotifyReaders(int32_t index, AccessibleEvent event);
