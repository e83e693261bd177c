// Replays files through a fuzz target's entry function, without libFuzzer: each file named on
// the command line and every file of each directory named (but those starting with a dot).
// A sanitizer finding or a failed check aborts the program, which fails the test that runs it.
#include "fuzz/fuzz_target.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

namespace fs = std::filesystem;

int main(int argc, char* argv[])
{
    LLVMFuzzerInitialize(&argc, &argv);
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        if (!fs::exists(argv[i])) {
            std::fprintf(stderr, "no such corpus: %s\n", argv[i]);
            return 1;
        }
        std::vector<fs::path> files;
        if (fs::is_directory(argv[i])) {
            for (const fs::directory_entry& entry : fs::directory_iterator(argv[i])) {
                if (entry.is_regular_file() && entry.path().filename().string().front() != '.')
                    files.push_back(entry.path());
            }
            std::sort(files.begin(), files.end());
        } else {
            files.push_back(argv[i]);
        }
        for (const fs::path& file : files) {
            // An exactly sized heap block, so that AddressSanitizer sees any read past the end.
            const size_t size = fs::file_size(file);
            std::unique_ptr<uint8_t[]> input(new uint8_t[size]);
            std::ifstream(file, std::ios::binary).read(reinterpret_cast<char*>(input.get()), std::streamsize(size));
            LLVMFuzzerTestOneInput(input.get(), size);
            ++replayed;
        }
    }
    std::printf("replayed %d inputs\n", replayed);
    return replayed > 0 ? 0 : 1;
}
