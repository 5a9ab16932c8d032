// Programs on POSIX systems: started with posix_spawn, looked at while the rules wait for them
// together with the window's messages, and the folder the running program was started from.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/posix/command_line.h"
#include "platform/rules/driver.h"

extern char** environ;

namespace {

struct Process {
    pid_t pid;
    bool ended;
};

// The longest wait between two looks at the process while nothing else wakes the thread.
constexpr uint32_t kProcessLookMs = 25;

bool Executable(const std::string& path) {
    return access(path.c_str(), X_OK) == 0;
}

// Without an application name the program is searched for as Windows does: the program's own
// folder first, then the current directory, then the search path.
std::string FindProgram(const std::string& name) {
    if (name.empty()) return "";  // the program's folder itself would pass as executable
    if (name.find('/') != std::string::npos) return name;
    char folder[PATH_MAX + 1];
    if (OsGetProgramFolder(folder, sizeof folder) && Executable(folder + name)) {
        return folder + name;
    }
    if (Executable("./" + name)) return "./" + name;
    const char* path = std::getenv("PATH");
    std::string rest = path != nullptr ? path : "";
    for (size_t start = 0; start <= rest.size();) {
        const size_t end = std::min(rest.find(':', start), rest.size());
        const std::string dir = rest.substr(start, end - start);
        if (!dir.empty() && Executable(dir + "/" + name)) return dir + "/" + name;
        start = end + 1;
    }
    return "";
}

bool Ended(Process* p) {
    if (p->ended) return true;
    int status = 0;
    const pid_t got = waitpid(p->pid, &status, WNOHANG);
    if (got == p->pid || (got == -1 && errno == ECHILD)) p->ended = true;
    return p->ended;
}

}  // namespace

// The environment and the current directory are the caller's; so are the descriptors, which
// a Linux child inherits anyway unless they are marked close-on-exec. Show commands and
// creation flags have no meaning here.
ProcessHandle OsCreateProcess(const OsProcessStart& start) {
    std::vector<std::string> words =
        SplitCommandLine(start.commandLine != nullptr ? start.commandLine : "");
    std::string file;
    if (start.applicationName != nullptr) {
        file = start.applicationName;
        if (words.empty()) words.push_back(file);
    } else if (!words.empty()) {
        file = FindProgram(words.front());
    }
    if (file.empty()) return nullptr;
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, file.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
        return nullptr;
    }
    return reinterpret_cast<ProcessHandle>(new Process{pid, false});
}

// While it runs, it is looked at again after kProcessLookMs: nothing else tells of its end.
ProcessLook DriverLookAtProcess(ProcessHandle process, bool /*waitBegins*/, uint64_t* lookAgainBy) {
    auto* p = reinterpret_cast<Process*>(process);
    if (p == nullptr) return ProcessLook::Unknown;
    if (Ended(p)) return ProcessLook::Ended;
    *lookAgainBy = DriverNow() + kProcessLookMs;
    return ProcessLook::Running;
}

bool OsCloseHandle(ProcessHandle process) {
    auto* p = reinterpret_cast<Process*>(process);
    if (p == nullptr) return false;
    delete p;
    return true;
}

bool OsGetProgramFolder(char* folder, uint32_t size) {
    std::vector<char> path(PATH_MAX + 1);
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
    if (length <= 0 || static_cast<size_t>(length) >= path.size()) return false;
    std::string text(path.data(), static_cast<size_t>(length));
    const size_t slash = text.rfind('/');
    if (slash == std::string::npos || slash + 2 > size) return false;
    std::memcpy(folder, text.data(), slash + 1);
    folder[slash + 1] = '\0';
    return true;
}
