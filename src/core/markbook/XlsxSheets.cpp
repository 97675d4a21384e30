// The XLSX reader: the workbook's parts (XlsxParts.h), then each worksheet's cells placed by their
// references, so that the cells a spreadsheet leaves out of the file come back as empty ones.
#include "core/markbook/SheetNumbers.h"
#include "core/markbook/XlsxParts.h"
#include "core/markbook/ZippedSheets.h"

#include <charconv>
#include <optional>

namespace tq {
namespace {

// The column of a cell reference ("C7" → 2); nothing when it has no letters.
std::optional<std::size_t> referenceColumn(std::string_view reference)
{
    std::size_t column = 0;
    std::size_t letters = 0;
    for (const char c : reference) {
        const char upper = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        if (upper < 'A' || upper > 'Z' || letters == 4)
            break;
        column = column * 26 + static_cast<std::size_t>(upper - 'A' + 1);
        ++letters;
    }
    if (letters == 0)
        return std::nullopt;
    return column - 1;
}

std::optional<std::size_t> wholeNumber(std::string_view digits)
{
    std::size_t n = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return n;
}

std::optional<std::size_t> positiveNumber(const char* text)
{
    const std::optional<std::size_t> n = text ? wholeNumber(text) : std::nullopt;
    return n && *n > 0 ? n : std::nullopt;
}

class WorksheetHandler : public XmlHandler {
public:
    WorksheetHandler(SheetTable& sheet, SheetBudget& budget, const std::vector<std::string>& sharedStrings,
                     const std::vector<bool>& percentStyles)
        : sheet_(sheet), budget_(budget), sharedStrings_(sharedStrings), percentStyles_(percentStyles)
    {
    }

    void start(XmlName name, const XmlAttributes& attributes) override
    {
        const std::string_view local = name.local;
        if (!inSheetData_) {
            inSheetData_ = local == "sheetData";
        } else if (inCell_) {
            if (local == "v")
                inValue_ = true;
            else if (local == "is")
                inInline_ = true;
            else if (inInline_)
                inline_.start(local);
        } else if (local == "row") {
            const std::optional<std::size_t> r = positiveNumber(attributes.find("r"));
            row_ = r ? *r - 1 : row_ + 1;
            nextColumn_ = 0;
        } else if (local == "c") {
            startCell(attributes);
        }
    }

    void end(XmlName name) override
    {
        const std::string_view local = name.local;
        if (local == "sheetData")
            inSheetData_ = false;
        if (!inCell_)
            return;
        if (local == "c")
            endCell();
        else if (local == "v")
            inValue_ = false;
        else if (local == "is")
            inInline_ = false;
        else if (inInline_)
            inline_.end(local);
    }

    void text(std::string_view piece) override
    {
        if (inValue_)
            value_ += piece;
        else if (inInline_)
            inline_.text(piece);
        if (value_.size() + inline_.size() > budget_.limits().maxTextBytes)
            stop(SheetBudget::tooLargeMessage(budget_.limits()));
    }

private:
    void startCell(const XmlAttributes& attributes)
    {
        inCell_ = true;
        const char* reference = attributes.find("r");
        const std::optional<std::size_t> column = reference ? referenceColumn(reference) : std::nullopt;
        column_ = column ? *column : nextColumn_;
        const char* type = attributes.find("t");
        type_ = type ? type : "n";
        const char* styleIndex = attributes.find("s");
        const std::optional<std::size_t> style = styleIndex ? wholeNumber(styleIndex) : std::nullopt;
        percent_ = style && *style < percentStyles_.size() && percentStyles_[*style];
        value_.clear();
    }

    void endCell()
    {
        inCell_ = inValue_ = inInline_ = false;
        nextColumn_ = column_ + 1;
        std::string text;
        if (type_ == "s") {
            if (value_.empty())
                return;
            const std::optional<std::size_t> index = wholeNumber(value_);
            if (!index || *index >= sharedStrings_.size()) {
                stop("The XLSX workbook is damaged: the sheet \"" + sheet_.name + "\" names a shared text that "
                     "is not in it.");
                return;
            }
            text = sharedStrings_[*index];
        } else if (type_ == "inlineStr") {
            text = inline_.take();
        } else if (type_ == "b") {
            text = value_ == "1" ? "TRUE" : value_ == "0" ? "FALSE" : value_;
        } else if (type_ == "n") {
            text = percent_ ? percentText(value_) : numberText(value_);
        } else {
            text = value_; // a formula's text, an error such as #DIV/0!, a date as text
        }
        inline_.take();
        place(std::move(text));
    }

    // Puts a cell with text in its place; empty cells are left out (a missing cell is an empty one).
    void place(std::string text)
    {
        if (text.empty())
            return;
        const SheetReadLimits& limits = budget_.limits();
        if (row_ >= limits.maxRows || column_ >= limits.maxColumns) {
            stop(SheetBudget::tooLargeMessage(limits));
            return;
        }
        const std::size_t newRows = row_ >= sheet_.rows.size() ? row_ + 1 - sheet_.rows.size() : 0;
        const std::size_t rowSize = newRows > 0 ? 0 : sheet_.rows[row_].size();
        const std::size_t newCells = column_ >= rowSize ? column_ + 1 - rowSize : 0;
        if (!budget_.take(newRows + newCells, text.size())) {
            stop(SheetBudget::tooLargeMessage(limits));
            return;
        }
        if (newRows > 0)
            sheet_.rows.resize(row_ + 1);
        SheetRow& row = sheet_.rows[row_];
        if (newCells > 0)
            row.resize(column_ + 1);
        row[column_] = std::move(text);
    }

    SheetTable& sheet_;
    SheetBudget& budget_;
    const std::vector<std::string>& sharedStrings_;
    const std::vector<bool>& percentStyles_;
    std::size_t row_ = static_cast<std::size_t>(-1); // so that a first row without a number is the first
    std::size_t column_ = 0;
    std::size_t nextColumn_ = 0;
    bool inSheetData_ = false;
    bool inCell_ = false;
    bool inValue_ = false;
    bool inInline_ = false;
    bool percent_ = false;
    std::string type_;
    std::string value_;
    XlsxRichText inline_;
};

} // namespace

SheetReadResult readXlsxSheets(const std::string& bytes) { return readXlsxSheets(bytes, SheetReadLimits()); }

SheetReadResult readXlsxSheets(const std::string& bytes, const SheetReadLimits& limits)
{
    const ZipArchive zip(bytes);
    if (!zip.isOpen())
        return {{}, notAZipMessage(zip, xlsxKind)};
    SheetBudget budget(limits);
    XlsxWorkbook workbook;
    ZipXmlRead read = readXlsxWorkbook(zip, budget, workbook);
    if (!read.error.empty())
        return {{}, read.error};
    std::vector<bool> percentStyles;
    if (!workbook.stylesPart.empty() &&
        !(read = readXlsxPercentStyles(zip, workbook.stylesPart, budget, percentStyles)).error.empty())
        return {{}, read.error};
    std::vector<std::string> sharedStrings;
    if (!workbook.sharedStringsPart.empty() &&
        !(read = readXlsxSharedStrings(zip, workbook.sharedStringsPart, budget, sharedStrings)).error.empty())
        return {{}, read.error};
    if (workbook.sheets.empty())
        return {{}, "The XLSX workbook holds no worksheet."};

    SheetReadResult result;
    for (const XlsxSheetPart& part : workbook.sheets) {
        SheetTable& sheet = result.sheets.emplace_back();
        sheet.name = part.name;
        WorksheetHandler handler(sheet, budget, sharedStrings, percentStyles);
        read = readZipXmlPart(zip, part.part, handler, budget, xlsxKind);
        if (read.missing)
            return {{}, "The XLSX workbook is damaged: the sheet \"" + part.name + "\" is missing (" + part.part +
                            ")."};
        if (!read.error.empty())
            return {{}, read.error};
    }
    return result;
}

} // namespace tq
