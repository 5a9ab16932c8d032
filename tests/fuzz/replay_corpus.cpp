// A fuzz target's inputs without libFuzzer: runs LLVMFuzzerTestOneInput over every file of a
// corpus folder, in name order, so that the native and sanitizer builds replay what coverage
// guidance found through the harness's own checks; a broken check aborts and names itself.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    std::error_code error;
    std::vector<std::filesystem::path> inputs;
    if (argc == 2) {
        for (const auto& entry : std::filesystem::directory_iterator(argv[1], error)) {
            inputs.push_back(entry.path());
        }
    }
    if (argc != 2 || error || inputs.empty()) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER (a folder of inputs)\n", argv[0]);
        return 2;
    }
    std::sort(inputs.begin(), inputs.end());
    for (const auto& input : inputs) {
        std::ifstream file(input, std::ios::binary);
        const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::printf("%zu inputs replayed\n", inputs.size());
    return 0;
}
