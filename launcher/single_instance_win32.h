// One launcher of a product at a time: a second one brings the first forward and ends.
#pragma once

// Claims the product's guard for this launcher. False when another launcher of the product runs:
// its window has been brought to the front then, unless it is waiting for its installer.
bool ClaimProductGuard();
// Marks this launcher's installer as running: from now on a second launcher ends without a word.
void MarkInstallerRunning();
