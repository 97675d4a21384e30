#include "core/markbook/MarkbookFile.h"

#include "core/base/TextFile.h"
#include "core/markbook/DelimitedSheet.h"
#include "core/markbook/ZippedSheets.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace tq {

namespace {
std::string lowerExtension(const std::string& fileName)
{
    const size_t dot = fileName.rfind('.');
    std::string ext = dot == std::string::npos ? std::string() : fileName.substr(dot + 1);
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

SheetReadResult refused(const std::string& text) { return {{}, text}; }

// An OpenDocument package names its type in its first stored file, "mimetype".
bool isOdsPackage(const std::string& bytes)
{
    return bytes.find("application/vnd.oasis.opendocument.spreadsheet") < 200;
}
} // namespace

SheetReadResult readMarkbookBytes(const std::string& bytes, const std::string& fileName)
{
    const std::string ext = lowerExtension(fileName);
    const std::string quoted = "\"" + fileName + "\"";
    if (bytes.starts_with("PK\x03\x04"))
        return isOdsPackage(bytes) || (ext == "ods" && bytes.find("opendocument") == std::string::npos)
                   ? readOdsSheets(bytes)
                   : readXlsxSheets(bytes);
    if (bytes.starts_with("\xD0\xCF\x11\xE0"))
        return refused(quoted + " is an Excel 97-2003 workbook (.xls). Save it as XLSX or CSV and import that.");
    if (ext == "xlsx" || ext == "ods")
        return refused(quoted + " is not an " + (ext == "ods" ? std::string("ODS") : std::string("XLSX")) +
                       " workbook. Save it again from the spreadsheet, or as CSV, and import that.");
    if (bytes.find('\0') != std::string::npos)
        return refused(quoted + " is not a text file: it cannot be a CSV, TXT or TSV markbook.");
    if (ext != "csv" && ext != "txt" && ext != "tsv")
        return refused(quoted + " is not a markbook file: Tallyquill imports CSV, TXT, TSV, XLSX and ODS files.");
    const size_t slash = fileName.find_last_of('/');
    const std::string base = fileName.substr(slash == std::string::npos ? 0 : slash + 1);
    return readDelimitedSheet(bytes, base.substr(0, base.rfind('.')));
}

SheetReadResult readMarkbookFile(const std::string& path)
{
    // A text markbook too large to read is refused before it is loaded.
    const std::string ext = lowerExtension(path);
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && (ext == "csv" || ext == "txt" || ext == "tsv") && size > SheetReadLimits{}.maxTextFileBytes)
        return refused(SheetBudget::textTooLargeMessage(SheetReadLimits{}));
    const std::optional<std::string> bytes = readFileBytes(path);
    if (!bytes)
        return refused("\"" + fileNameOf(path) + "\" could not be read.");
    return readMarkbookBytes(*bytes, fileNameOf(path));
}

} // namespace tq
