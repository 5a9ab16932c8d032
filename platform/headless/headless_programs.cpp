// The programs the headless driver pretends to start: which file a start runs, how long it runs
// on the virtual clock, and every start asked for.
//
// Which program file a start runs. With an application name, that file (a partial name counts
// from the current directory). Without one, the command line's first token, as Windows reads
// it: a quoted name, or else each text up to a space in turn and then the whole line; a bare
// name without extension gets ".exe" and is searched for in the program's folder, the current
// directory, the system folders and then the path; a name with a folder is not searched for.
// File names do not tell upper and lower case apart.
#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "platform/headless/headless.h"
#include "platform/headless/headless_programs.h"
#include "platform/rules/driver.h"

namespace {

struct Programs {
    std::string programFolder = "C:\\Varorizo\\";
    std::string currentDirectory = "C:\\Varorizo\\";
    std::vector<std::string> searchPath;
    std::set<std::string> files;  // in lower case: file names do not tell case apart
    uint32_t runTime = 0;
    std::vector<StartedProcess> started;
};

Programs sim;

const char* const kSystemFolders[] = {"C:\\windows\\system32\\", "C:\\windows\\system\\",
                                      "C:\\windows\\"};

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string AsFolder(std::string folder) {
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += '\\';
    return folder;
}

bool HasFolder(const std::string& name) {
    return name.find_first_of("\\/") != std::string::npos;
}

bool Absolute(const std::string& name) {
    return (name.size() >= 2 && name[1] == ':') || (!name.empty() && name[0] == '\\');
}

// A partial name counts from the current directory; one from the root from its drive.
std::string Complete(const std::string& name) {
    if (name.size() >= 2 && name[1] == ':') return name;
    if (!name.empty() && name[0] == '\\' && (name.size() < 2 || name[1] != '\\')) {
        return sim.currentDirectory.substr(0, 2) + name;
    }
    if (Absolute(name)) return name;
    return sim.currentDirectory + name;
}

bool Exists(const std::string& path) {
    return sim.files.count(Lower(path)) == 1;
}

// One candidate token of the command line: its file, or "".
std::string Locate(std::string name) {
    if (name.empty()) return "";
    if (HasFolder(name)) return Exists(Complete(name)) ? Complete(name) : "";
    if (name.back() == '.') {
        name.pop_back();
    } else if (name.find('.') == std::string::npos) {
        name += ".exe";
    }
    std::vector<std::string> folders{sim.programFolder, sim.currentDirectory};
    folders.insert(folders.end(), std::begin(kSystemFolders), std::end(kSystemFolders));
    folders.insert(folders.end(), sim.searchPath.begin(), sim.searchPath.end());
    for (const std::string& folder : folders) {
        if (Exists(folder + name)) return folder + name;
    }
    return "";
}

// The program file a start runs, or "" when none is found.
std::string FindProgram(const OsProcessStart& start) {
    if (start.applicationName != nullptr) {
        const std::string file = Complete(start.applicationName);
        return Exists(file) ? file : "";
    }
    const std::string line = start.commandLine != nullptr ? start.commandLine : "";
    if (!line.empty() && line[0] == '"') return Locate(line.substr(1, line.find('"', 1) - 1));
    for (size_t space = line.find(' '); space != std::string::npos;
         space = line.find(' ', space + 1)) {
        const std::string file = Locate(line.substr(0, space));
        if (!file.empty()) return file;
    }
    return Locate(line);
}

StartedProcess* Started(ProcessHandle process) {
    const auto slot = reinterpret_cast<uintptr_t>(process);
    if (slot == 0 || slot > sim.started.size()) return nullptr;
    return &sim.started[slot - 1];
}

}  // namespace

void ResetPrograms() {
    sim = Programs{};
}

// A process handle is its position in the log, plus one.
ProcessHandle OsCreateProcess(const OsProcessStart& start) {
    StartedProcess record{start.applicationName != nullptr ? start.applicationName : "",
                          FindProgram(start),
                          start.commandLine != nullptr ? start.commandLine : "",
                          start.inheritHandles,
                          start.creationFlags,
                          start.startupFlags,
                          start.showWindow,
                          false,
                          DriverNow() + sim.runTime,
                          0,
                          false};
    record.started = !record.programFile.empty();
    sim.started.push_back(record);
    if (!record.started) return nullptr;
    return reinterpret_cast<ProcessHandle>(sim.started.size());
}

ProcessLook DriverLookAtProcess(ProcessHandle process, bool waitBegins, uint64_t* lookAgainBy) {
    StartedProcess* p = Started(process);
    if (p == nullptr) return ProcessLook::Unknown;
    if (waitBegins) {
        ++p->waits;
        CountProcessWait();
    }
    if (DriverNow() >= p->endsAt) return ProcessLook::Ended;
    *lookAgainBy = p->endsAt;
    return ProcessLook::Running;
}

bool OsCloseHandle(ProcessHandle process) {
    StartedProcess* p = Started(process);
    if (p == nullptr) return false;
    p->closed = true;
    return true;
}

bool OsGetProgramFolder(char* folder, uint32_t size) {
    if (sim.programFolder.size() + 1 > size) return false;
    std::copy(sim.programFolder.begin(), sim.programFolder.end(), folder);
    folder[sim.programFolder.size()] = '\0';
    return true;
}

void HeadlessSetProgramFolder(const std::string& folder) {
    sim.programFolder = folder;
}

void HeadlessSetProgramRunTime(uint32_t milliseconds) {
    sim.runTime = milliseconds;
}

const std::vector<StartedProcess>& HeadlessProcessLog() {
    return sim.started;
}

void HeadlessAddProgramFile(const std::string& path) {
    sim.files.insert(Lower(path));
}

void HeadlessSetCurrentDirectory(const std::string& folder) {
    sim.currentDirectory = AsFolder(folder);
}

void HeadlessSetSearchPath(const std::vector<std::string>& folders) {
    sim.searchPath.clear();
    for (const std::string& folder : folders) sim.searchPath.push_back(AsFolder(folder));
}
