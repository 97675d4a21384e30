#pragma once
// A zip archive made in memory from named parts, with libzip: small workbooks for the readers'
// tests and fuzzing, and the benchmark's markbook. The program itself never writes a workbook.
#include <string>
#include <utility>
#include <vector>

namespace tq {

using ZipPart = std::pair<std::string, std::string>; // name in the archive, bytes

// The archive's bytes, every part compressed; empty if libzip fails.
std::string zipOfParts(const std::vector<ZipPart>& parts);

} // namespace tq
