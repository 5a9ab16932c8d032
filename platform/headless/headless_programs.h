// The programs the headless driver pretends to start, shared with the rest of the driver.
#pragma once

// Forgets every program file, start and folder setting.
void ResetPrograms();
// A wait for a program begins: one that never takes its messages is stopped.
void CountProcessWait();
