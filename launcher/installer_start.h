// Starting the chosen installer and waiting for it.
#pragma once

// Starts the installer `fileName` from the launcher's own folder only, hidden, with `arguments`
// unless they are null, and waits without limit until it has ended. Nothing starts when the file
// is not there.
void RunInstaller(const char* fileName, const char* arguments);

extern void (*installerStarted)();  // called once the installer runs, before the wait; or null
