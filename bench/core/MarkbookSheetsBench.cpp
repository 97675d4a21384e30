// A teacher's markbook of 501 students and 40 columns saved as XLSX by LibreOffice (bench/data):
// read into its sheets, against only unpacking its sheet part from the same bytes.
#include "core/base/TextFile.h"
#include "core/markbook/ZipArchive.h"
#include "core/markbook/ZippedSheets.h"

#include <benchmark/benchmark.h>

namespace tq::bench {
namespace {

const std::string markbookPath = TQ_BENCH_DATA_DIR "/markbook-501.xlsx";

void BM_ReadXlsxMarkbook501(benchmark::State& state)
{
    for (auto _ : state) {
        const std::optional<std::string> bytes = readFileBytes(markbookPath);
        SheetReadResult r = readXlsxSheets(bytes.value_or(""));
        if (!r.error.empty() || r.sheets.size() != 1 || r.sheets[0].rows.size() != 502)
            state.SkipWithError("the markbook is not 501 students and a heading");
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_ReadXlsxMarkbook501)->Unit(benchmark::kMicrosecond);

void BM_Floor_UnpackSheet_XlsxMarkbook501(benchmark::State& state)
{
    for (auto _ : state) {
        const std::optional<std::string> bytes = readFileBytes(markbookPath);
        const std::string whole = bytes.value_or("");
        const ZipArchive zip(whole);
        std::string sheet;
        const auto read = zip.read("xl/worksheets/sheet1.xml", std::size_t{1} << 30, [&](std::string_view piece) {
            sheet += piece;
            return true;
        });
        if (read.status != ZipArchive::ReadStatus::Read || sheet.empty())
            state.SkipWithError("the markbook has no first sheet");
        benchmark::DoNotOptimize(sheet);
    }
}
BENCHMARK(BM_Floor_UnpackSheet_XlsxMarkbook501)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tq::bench
