// Writes the test folder of pictures for the build to read: make_test_pictures FOLDER.
#include <cstdio>
#include <filesystem>

#include "tests/artwork/test_pictures.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_test_pictures FOLDER\n");
        return 2;
    }
    std::error_code error;
    std::filesystem::create_directories(argv[1], error);
    return WriteTestPictures(argv[1]) ? 0 : 1;
}
