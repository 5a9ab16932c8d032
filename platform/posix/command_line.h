// Windows command lines taken apart into the argv that a program built with the Microsoft C
// runtime sees, for starting programs on POSIX systems, which take the words one by one.
#pragma once

#include <string>
#include <vector>

// The first word is the program name: up to a blank outside quotes, the quotes only grouping, as
// in a path. The others follow the C runtime: blanks (space, tab) separate outside quotes; 2n
// backslashes before a quote give n and the quote opens or closes a quoted run, 2n+1 give n and a
// literal quote; other backslashes are literal; "" inside a quoted run is a literal quote and the
// run goes on. An empty line has no words.
std::vector<std::string> SplitCommandLine(const char* line);
