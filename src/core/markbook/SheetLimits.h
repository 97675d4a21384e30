#pragma once
// How much of a workbook the readers take before they give up with a message: a zip archive can
// unpack to far more than its own size, and a spreadsheet can repeat an empty row a million times.
// The defaults read a markbook of 10 MB or 100,000 rows of 40 columns with room to spare.
#include <cstddef>
#include <string>

namespace tq {

struct SheetReadLimits {
    std::size_t maxPartBytes = std::size_t{1} << 30;      // one unpacked part of the archive
    std::size_t maxUnpackedBytes = std::size_t{2} << 30;  // every part read, together
    std::size_t maxCells = 5'000'000;                      // cells kept, the empty ones before a value too
    std::size_t maxTextBytes = std::size_t{256} << 20;     // text kept in all cells together
    std::size_t maxRows = 1'048'576;                       // as the spreadsheet programs allow
    std::size_t maxColumns = 16'384;
    // A CSV, TXT or TSV file is read whole, its rows after it: its own bounds keep both small.
    std::size_t maxTextFileBytes = std::size_t{64} << 20;
    std::size_t maxTextRows = 200'000;
};

// What has been kept so far against the limits. take() counts cells and their bytes and says
// whether they still fit.
class SheetBudget {
public:
    explicit SheetBudget(const SheetReadLimits& limits) : limits_(limits) {}
    const SheetReadLimits& limits() const { return limits_; }
    bool take(std::size_t cells, std::size_t textBytes);
    std::size_t unpackedBytes = 0; // counted by the archive reader

    static std::string tooLargeMessage(const SheetReadLimits& limits);
    static std::string textTooLargeMessage(const SheetReadLimits& limits);

private:
    const SheetReadLimits& limits_;
    std::size_t cells_ = 0;
    std::size_t textBytes_ = 0;
};

} // namespace tq
