// The ODS reader: the tables of content.xml, row by row. Repeated rows and cells are written out
// only when a value follows them, so the million empty rows or columns that close many sheets
// cost nothing.
#include "core/markbook/SheetNumbers.h"
#include "core/markbook/ZipXmlPart.h"
#include "core/markbook/ZippedSheets.h"

#include <algorithm>
#include <charconv>

namespace tq {
namespace {

const std::string odsKind = "ODS spreadsheet";
constexpr std::string_view officeNs = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";
constexpr std::string_view tableNs = "urn:oasis:names:tc:opendocument:xmlns:table:1.0";
constexpr std::string_view textNs = "urn:oasis:names:tc:opendocument:xmlns:text:1.0";

bool is(XmlName name, std::string_view ns, std::string_view local) { return name.ns == ns && name.local == local; }

// A count attribute (repeats, spaces): 1 when absent or not a count, at most `cap`.
std::size_t countOf(const char* text, std::size_t cap)
{
    if (text == nullptr)
        return 1;
    const std::string_view digits(text);
    std::size_t n = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (error == std::errc::result_out_of_range)
        return cap;
    if (error != std::errc() || end != digits.data() + digits.size() || n == 0)
        return 1;
    return std::min(n, cap);
}

class ContentHandler : public XmlHandler {
public:
    ContentHandler(std::vector<SheetTable>& sheets, SheetBudget& budget)
        : sheets_(sheets), budget_(budget), limits_(budget.limits())
    {
    }

    void start(XmlName name, const XmlAttributes& attributes) override
    {
        if (ignoreDepth_ > 0) {
            ++ignoreDepth_;
        } else if (is(name, tableNs, "table")) {
            if (inTable_) {
                ignoreDepth_ = 1; // a table inside a cell is not a sheet
                return;
            }
            inTable_ = true;
            if (!budget_.take(1, 0)) {
                stop(SheetBudget::tooLargeMessage(limits_));
                return;
            }
            const char* sheetName = attributes.find(tableNs, "name");
            sheets_.push_back({sheetName ? sheetName : "Sheet" + std::to_string(sheets_.size() + 1), {}});
            pendingRows_ = 0;
        } else if (!inTable_) {
            return;
        } else if (inCell_) {
            startInCell(name, attributes);
        } else if (is(name, tableNs, "table-row")) {
            inRow_ = true;
            rowRepeat_ = countOf(attributes.find(tableNs, "number-rows-repeated"), limits_.maxRows + 1);
            row_.clear();
            pendingCells_ = 0;
        } else if (inRow_ && (is(name, tableNs, "table-cell") || is(name, tableNs, "covered-table-cell"))) {
            inCell_ = true;
            covered_ = name.local == "covered-table-cell";
            cellRepeat_ = countOf(attributes.find(tableNs, "number-columns-repeated"), limits_.maxColumns + 1);
            const char* type = attributes.find(officeNs, "value-type");
            const char* value = attributes.find(officeNs, "value");
            const char* boolean = attributes.find(officeNs, "boolean-value");
            valueType_ = type ? type : "";
            value_ = value ? value : "";
            hasValue_ = value != nullptr;
            booleanValue_ = boolean ? boolean : "";
            text_.clear();
            paragraphs_ = 0;
            paragraphDepth_ = 0;
        }
    }

    void end(XmlName name) override
    {
        if (ignoreDepth_ > 0) {
            --ignoreDepth_;
        } else if (inCell_) {
            if (is(name, tableNs, "table-cell") || is(name, tableNs, "covered-table-cell")) {
                inCell_ = false;
                endCell();
            } else if (is(name, textNs, "p") || is(name, textNs, "h")) {
                --paragraphDepth_;
            }
        } else if (inRow_ && is(name, tableNs, "table-row")) {
            inRow_ = false;
            endRow();
        } else if (inTable_ && is(name, tableNs, "table")) {
            inTable_ = false;
        }
    }

    void text(std::string_view piece) override
    {
        if (ignoreDepth_ == 0 && inCell_ && paragraphDepth_ > 0)
            addText(piece);
    }

private:
    void startInCell(XmlName name, const XmlAttributes& attributes)
    {
        if (is(name, officeNs, "annotation")) {
            ignoreDepth_ = 1; // a comment on the cell is not its text
        } else if (is(name, textNs, "p") || is(name, textNs, "h")) {
            if (paragraphs_++ > 0)
                addText("\n");
            ++paragraphDepth_;
        } else if (paragraphDepth_ > 0 && is(name, textNs, "s")) {
            addText(" ", countOf(attributes.find(textNs, "c"), limits_.maxTextBytes + 1));
        } else if (paragraphDepth_ > 0 && is(name, textNs, "tab")) {
            addText("\t");
        } else if (paragraphDepth_ > 0 && is(name, textNs, "line-break")) {
            addText("\n");
        }
    }

    // Adds `piece` (`times` over) to the cell's text, within the limit of the text kept.
    void addText(std::string_view piece, std::size_t times = 1)
    {
        if (piece.size() * times > limits_.maxTextBytes - std::min(text_.size(), limits_.maxTextBytes)) {
            stop(SheetBudget::tooLargeMessage(limits_));
            return;
        }
        for (std::size_t i = 0; i < times; ++i)
            text_ += piece;
    }

    std::string cellText()
    {
        if (covered_)
            return {}; // hidden under a merged cell
        if ((valueType_ == "float" || valueType_ == "currency") && hasValue_)
            return numberText(value_);
        if (valueType_ == "percentage" && hasValue_)
            return percentText(value_);
        if (valueType_ == "boolean")
            return booleanValue_ == "true" ? "TRUE" : "FALSE";
        return std::move(text_);
    }

    void endCell()
    {
        const std::string text = cellText();
        if (text.empty()) {
            pendingCells_ = std::min(pendingCells_ + cellRepeat_, limits_.maxColumns + 1);
            return;
        }
        if (row_.size() + pendingCells_ + cellRepeat_ > limits_.maxColumns ||
            !budget_.take(pendingCells_ + cellRepeat_, text.size() * cellRepeat_)) {
            stop(SheetBudget::tooLargeMessage(limits_));
            return;
        }
        row_.resize(row_.size() + pendingCells_);
        pendingCells_ = 0;
        row_.insert(row_.end(), cellRepeat_, text);
    }

    void endRow()
    {
        if (row_.empty()) {
            pendingRows_ = std::min(pendingRows_ + rowRepeat_, limits_.maxRows + 1);
            return;
        }
        std::vector<SheetRow>& rows = sheets_.back().rows;
        std::size_t rowBytes = 0;
        for (const std::string& cell : row_)
            rowBytes += cell.size();
        const std::size_t copies = rowRepeat_ - 1; // the first one's cells are counted already
        if (rows.size() + pendingRows_ + rowRepeat_ > limits_.maxRows ||
            !budget_.take(pendingRows_ + rowRepeat_ + copies * row_.size(), copies * rowBytes)) {
            stop(SheetBudget::tooLargeMessage(limits_));
            return;
        }
        rows.resize(rows.size() + pendingRows_);
        pendingRows_ = 0;
        rows.insert(rows.end(), copies, row_);
        rows.push_back(std::move(row_));
        row_.clear();
    }

    std::vector<SheetTable>& sheets_;
    SheetBudget& budget_;
    const SheetReadLimits& limits_;
    int ignoreDepth_ = 0;
    bool inTable_ = false;
    bool inRow_ = false;
    bool inCell_ = false;
    bool covered_ = false;
    std::size_t pendingRows_ = 0;
    std::size_t rowRepeat_ = 1;
    SheetRow row_;
    std::size_t pendingCells_ = 0;
    std::size_t cellRepeat_ = 1;
    std::string valueType_;
    std::string value_;
    bool hasValue_ = false;
    std::string booleanValue_;
    std::string text_;
    int paragraphs_ = 0;
    int paragraphDepth_ = 0;
};

} // namespace

SheetReadResult readOdsSheets(const std::string& bytes) { return readOdsSheets(bytes, SheetReadLimits()); }

SheetReadResult readOdsSheets(const std::string& bytes, const SheetReadLimits& limits)
{
    const ZipArchive zip(bytes);
    if (!zip.isOpen())
        return {{}, notAZipMessage(zip, odsKind)};
    SheetBudget budget(limits);
    SheetReadResult result;
    ContentHandler content(result.sheets, budget);
    const ZipXmlRead read = readZipXmlPart(zip, "content.xml", content, budget, odsKind);
    if (read.missing)
        return {{}, "The file is a zip archive but not an ODS spreadsheet: it has no content.xml."};
    if (!read.error.empty())
        return {{}, read.error};
    if (result.sheets.empty())
        return {{}, "The ODS spreadsheet holds no sheet."};
    return result;
}

} // namespace tq
