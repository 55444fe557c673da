// Runs a fuzz target over files as libFuzzer would, so that the normal build replays the seeds and
// reproducers: each argument a file or a folder of files (a missing one is skipped), in name order.
// Fails when nothing was replayed or a file cannot be opened.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

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
        std::ostringstream read;
        read << in.rdbuf();
        const std::string bytes = read.str();
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }
    return files.empty() ? 1 : 0;
}
