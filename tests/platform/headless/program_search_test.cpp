// Which file a program start runs: with no application name the command line's first token is
// searched for as Windows does it (program folder, current directory, system folders, path).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/headless.h"

namespace {

TEST(ProgramSearchTest, AStartFindsTheFileWhereWindowsWouldLookFirst) {
    struct Case {
        const char* applicationName;
        const char* commandLine;
        std::vector<std::string> files;
        const char* started;  // "" for none
    };
    const Case cases[] = {
        {nullptr,
         "setup.exe",
         {"D:\\work\\setup.exe", "C:\\Varorizo\\setup.exe"},
         "C:\\Varorizo\\setup.exe"},
        {nullptr,
         "setup.exe",
         {"E:\\tools\\setup.exe", "D:\\work\\setup.exe"},
         "D:\\work\\setup.exe"},
        {nullptr,
         "setup.exe",
         {"E:\\tools\\setup.exe", "C:\\windows\\system32\\setup.exe"},
         "C:\\windows\\system32\\setup.exe"},
        {nullptr, "setup.exe /q", {"E:\\tools\\setup.exe"}, "E:\\tools\\setup.exe"},
        {nullptr, "SETUP", {"c:\\varorizo\\setup.exe"}, "C:\\Varorizo\\SETUP.exe"},
        {nullptr, "sub\\setup.exe", {"C:\\Varorizo\\sub\\setup.exe"}, ""},
        {nullptr, "sub\\setup.exe", {"D:\\work\\sub\\setup.exe"}, "D:\\work\\sub\\setup.exe"},
        {nullptr, "\"my setup.exe\" /q", {"D:\\work\\my setup.exe"}, "D:\\work\\my setup.exe"},
        {nullptr,
         "my setup /q",
         {"D:\\work\\my setup.exe", "D:\\work\\my.exe"},
         "D:\\work\\my.exe"},
        {nullptr, "setup.exe", {}, ""},
        // An application name is taken as it is, from the current directory when partial.
        {"setup.exe", "setup.exe", {"C:\\Varorizo\\setup.exe"}, ""},
        {"setup.exe", "x", {"D:\\work\\setup.exe"}, "D:\\work\\setup.exe"},
    };
    for (const Case& c : cases) {
        HeadlessReset();
        HeadlessSetCurrentDirectory("D:\\work");
        HeadlessSetSearchPath({"E:\\tools"});
        for (const std::string& file : c.files) HeadlessAddProgramFile(file);
        std::string line = c.commandLine;
        OsProcessStart start{c.applicationName, line.data(), false, 0, 0, 0};
        const bool started = OsCreateProcess(start) != nullptr;
        EXPECT_EQ(HeadlessProcessLog().back().programFile, c.started) << c.commandLine;
        EXPECT_EQ(started, *c.started != '\0') << c.commandLine;
    }
}

}  // namespace
