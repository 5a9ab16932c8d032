// The argv a program started on a POSIX system gets from a Windows command line: the same that a
// Windows program built with the Microsoft C runtime sees.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/posix/command_line.h"

namespace {

TEST(CommandLineTest, WordsAreWhatTheMicrosoftCRuntimeGivesItsProgram) {
    struct Case {
        const char* line;
        std::vector<std::string> argv;
    };
    const Case cases[] = {
        {R"("/opt/app/setup.exe" /LANG=de "C:\My Folder" say \"hi\" "a ""b""")",
         {"/opt/app/setup.exe", "/LANG=de", "C:\\My Folder", "say", "\"hi\"", "a \"b\""}},
        {"", {}},
        {"setup\tone  two \t ", {"setup", "one", "two"}},
        {"setup \"\" x \"\"", {"setup", "", "x", ""}},
        {"setup \"a\tb\"", {"setup", "a\tb"}},
        {"setup \"unended run", {"setup", "unended run"}},
        {R"(setup C:\Temp\sub\ \\server\share)", {"setup", "C:\\Temp\\sub\\", "\\\\server\\share"}},
        {R"(setup "C:\Temp\\" x)", {"setup", "C:\\Temp\\", "x"}},
        {R"(setup "C:\Temp\" x)", {"setup", "C:\\Temp\" x"}},
        {R"(setup a\\\"b a\\\\"b c" d)", {"setup", "a\\\"b", "a\\\\b c", "d"}},
        {R"(setup a"b"" c d)", {"setup", "ab\" c d"}},
        {R"(setup a""b """")", {"setup", "ab", "\""}},
        // The program name is a path: quotes group anywhere in it, backslashes are kept.
        {R"("/opt/My App/setup" a)", {"/opt/My App/setup", "a"}},
        {R"(/opt/"My App"/setup a)", {"/opt/My App/setup", "a"}},
        {R"("C:\My Apps\\" a\\"b")", {"C:\\My Apps\\\\", "a\\b"}},
        {R"(C:\Program Files\app.exe x)", {"C:\\Program", "Files\\app.exe", "x"}},
        {" setup a", {"", "setup", "a"}},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitCommandLine(c.line), c.argv) << c.line;
}

}  // namespace
