// The benchmarks' way to the toolkit's control builder, MakeControl (toolkit/control.h).
#pragma once
#include "toolkit/control.h"
