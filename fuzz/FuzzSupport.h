#pragma once
// Shared by the fuzz targets: the input as the text or the lines a reader sees, and a check that
// stops the fuzzer with a report when a property of the readers does not hold.
#include "core/base/TextFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace tq::fuzz {

// The fuzzer's bytes split into lines exactly as a file read from disk would be.
inline std::vector<std::string> inputLines(const uint8_t* data, size_t size)
{
    return textFileLines(std::string_view(reinterpret_cast<const char*>(data), size));
}

// The fuzzer's bytes as the text a reader gets from readTextFile.
inline std::string inputText(const uint8_t* data, size_t size)
{
    return decodedText(std::string(reinterpret_cast<const char*>(data), size));
}

// Ends the run with a report (libFuzzer then saves the input as a crash) when `ok` is false.
inline void check(bool ok, const char* property)
{
    if (!ok) {
        std::fprintf(stderr, "property violated: %s\n", property);
        std::abort();
    }
}

} // namespace tq::fuzz
