// Runs a fuzz target's LLVMFuzzerTestOneInput over files, as libFuzzer would run them, so that the
// normal build replays the seed corpora and the committed reproducers without libFuzzer. Each
// argument is a file or a folder of files (read in name order); a missing folder is skipped, as a
// target may have no reproducers yet. Fails when nothing was replayed or a file cannot be opened.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::set<fs::path> files;
    for (int i = 1; i < argc; ++i) {
        if (fs::is_directory(argv[i]))
            for (const auto& entry : fs::directory_iterator(argv[i]))
                if (entry.is_regular_file()) files.insert(entry.path());
        if (fs::is_regular_file(argv[i])) files.insert(argv[i]);
    }
    for (const fs::path& file : files) {
        std::ifstream in(file, std::ios::binary);
        if (!in) return std::fprintf(stderr, "cannot read %s\n", file.c_str()), 1;
        const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%zu inputs replayed\n", files.size());
    return files.empty() ? 1 : 0;
}
