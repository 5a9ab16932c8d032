// stamp FILE: adds a line with the library's word to FILE.runs, one line each run.
#include <fstream>
#include <string>

#include "words.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    std::ofstream(std::string(argv[1]) + ".runs", std::ios::app) << Word() << "\n";
    return 0;
}
