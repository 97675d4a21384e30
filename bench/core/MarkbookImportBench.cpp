// Importing marks: a markbook of the 501-student class with 40 columns, as CSV, from the file's
// bytes to the preview the window shows (read, columns proposed, every row matched and every
// mark checked), against reading the same bytes. And the same for 100,000 rows (10 MB), which the
// window reads on a thread of its own; and for the XLSX markbook of bench/data.
#include "bench/BenchData.h"
#include "core/base/Cp1252.h"
#include "core/base/TextFile.h"
#include "core/markbook/ImportPlan.h"
#include "core/markbook/MarkbookFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

namespace tq::bench {
namespace {

// A learning platform's export: number with "#", names, email, 34 assignment columns, a final
// mark with decimals, and the numerator/denominator pair. `rows` rows, the class over and over.
std::string markbookCsv(const ClassList& students, size_t rows)
{
    std::string text = "OrgDefinedId,Last Name,First Name,Email";
    for (int a = 1; a <= 33; ++a)
        text += ",Assignment " + std::to_string(a) + " Points Grade <Numeric MaxPoints:20>";
    text += ",Final Mark,Calculated Final Grade Numerator,Calculated Final Grade Denominator\r\n";
    for (size_t r = 0; r < rows; ++r) {
        const StudentRecord& s = students[r % students.size()];
        text += "#" + s.studentNumber + "," + cp1252ToUtf8(s.lastName) + "," + cp1252ToUtf8(s.firstName) + ",s" +
                s.studentNumber + "@students.example.org";
        for (int a = 1; a <= 33; ++a)
            text += "," + std::to_string((r * 7 + static_cast<size_t>(a) * 3) % 21);
        const size_t mark = 40 + r % 60;
        text += "," + std::to_string(mark) + ".5," + std::to_string(mark) + "," + "100\r\n";
    }
    return text;
}

struct MarkbookFiles {
    ClassList students = largeClass(defaultOrigin);
    std::string folder = sharedBenchFiles().folder;
    std::string csv501 = folder + "/markbook-501.csv";
    std::string csv100k = folder + "/markbook-100000.csv";
    MarkbookFiles()
    {
        const std::string small = markbookCsv(students, students.size());
        const std::string large = markbookCsv(students, 100000);
        if (!replaceFileAtomically(csv501, small) || !replaceFileAtomically(csv100k, large))
            std::fprintf(stderr, "the markbooks could not be written\n");
    }
};

const MarkbookFiles& markbooks()
{
    static const MarkbookFiles files;
    return files;
}

void importToPreview(benchmark::State& state, const std::string& path, size_t rows)
{
    const ClassList& students = markbooks().students;
    for (auto _ : state) {
        const SheetReadResult read = readMarkbookFile(path);
        if (!read.error.empty() || read.sheets.empty() || read.sheets[0].rows.size() != rows + 1) {
            state.SkipWithError("the markbook was not read whole");
            break;
        }
        const MarkbookChoice choice = proposeChoice(read.sheets[0], students);
        ImportPlan plan = planImport(read.sheets[0], choice, students, nullptr);
        benchmark::DoNotOptimize(plan);
    }
}

void BM_ImportCsvMarkbook501(benchmark::State& state) { importToPreview(state, markbooks().csv501, 501); }
BENCHMARK(BM_ImportCsvMarkbook501)->Unit(benchmark::kMicrosecond);

void BM_Floor_ReadBytes_CsvMarkbook501(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(readFileBytes(markbooks().csv501));
}
BENCHMARK(BM_Floor_ReadBytes_CsvMarkbook501)->Unit(benchmark::kMicrosecond);

void BM_ImportCsvMarkbook100k(benchmark::State& state) { importToPreview(state, markbooks().csv100k, 100000); }
BENCHMARK(BM_ImportCsvMarkbook100k)->Unit(benchmark::kMillisecond);

void BM_Floor_ReadBytes_CsvMarkbook100k(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(readFileBytes(markbooks().csv100k));
}
BENCHMARK(BM_Floor_ReadBytes_CsvMarkbook100k)->Unit(benchmark::kMillisecond);

void BM_ImportXlsxMarkbook501(benchmark::State& state)
{
    // The LibreOffice workbook holds a class of its own: only the reading and planning count here.
    importToPreview(state, TQ_BENCH_DATA_DIR "/markbook-501.xlsx", 501);
}
BENCHMARK(BM_ImportXlsxMarkbook501)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tq::bench
