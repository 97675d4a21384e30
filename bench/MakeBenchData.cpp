// Writes the benchmark files into a folder, to look at them or to run the program on them:
//   tq_make_bench_data <folder> [origin]
#include "bench/BenchData.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: " << argv[0] << " <folder> [origin]\n";
        return 2;
    }
    uint64_t origin = tq::bench::defaultOrigin;
    if (argc == 3) {
        char* end = nullptr;
        origin = std::strtoull(argv[2], &end, 10);
        if (*argv[2] == '\0' || *end != '\0') {
            std::cerr << "the origin must be a whole number: " << argv[2] << "\n";
            return 2;
        }
    }
    std::error_code ec;
    std::filesystem::create_directories(argv[1], ec);
    const tq::bench::WrittenBenchFiles w = tq::bench::writeBenchFiles(argv[1], origin);
    if (!w.ok) {
        std::cerr << "cannot write the files into " << argv[1] << "\n";
        return 1;
    }
    for (const std::string* path : {&w.files.phraseLibrary, &w.files.masterFile, &w.files.largeClassFile,
                                    &w.files.smallClassFile, &w.files.favourites, &w.files.floorTexts})
        std::cout << *path << "\n";
    return 0;
}
