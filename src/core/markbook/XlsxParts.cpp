#include "core/markbook/XlsxParts.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <utility>

namespace tq {
namespace {

// Relationships of one part: id → (type, target).
struct Relationship {
    std::string type;
    std::string target;
};

// Names kept from the workbook's parts count against the budget as cells do.
void keep(XmlHandler& handler, SheetBudget& budget, std::size_t bytes)
{
    if (!budget.take(1, bytes))
        handler.stop(SheetBudget::tooLargeMessage(budget.limits()));
}

class RelationshipsHandler : public XmlHandler {
public:
    explicit RelationshipsHandler(SheetBudget& budget) : budget_(budget) {}
    std::map<std::string, Relationship> byId;
    void start(XmlName name, const XmlAttributes& attributes) override
    {
        if (name.local != "Relationship")
            return;
        const char* id = attributes.find("Id");
        const char* type = attributes.find("Type");
        const char* target = attributes.find("Target");
        const char* mode = attributes.find("TargetMode");
        if (id && type && target && !(mode && std::string_view(mode) == "External")) {
            keep(*this, budget_, std::strlen(id) + std::strlen(type) + std::strlen(target));
            byId.emplace(id, Relationship{type, target});
        }
    }
    void end(XmlName) override {}
    void text(std::string_view) override {}

private:
    SheetBudget& budget_;
};

bool isType(const Relationship& r, std::string_view kind) { return r.type.ends_with("/" + std::string(kind)); }

std::string relationshipsPartOf(const std::string& part)
{
    const std::size_t slash = part.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : part.substr(0, slash + 1);
    return folder + "_rels/" + part.substr(slash == std::string::npos ? 0 : slash + 1) + ".rels";
}

class WorkbookHandler : public XmlHandler {
public:
    explicit WorkbookHandler(SheetBudget& budget) : budget_(budget) {}
    std::vector<std::pair<std::string, std::string>> sheets; // name, relationship id
    void start(XmlName name, const XmlAttributes& attributes) override
    {
        if (name.local != "sheet")
            return;
        const char* sheetName = attributes.find("name");
        const char* id = attributes.findIn("relationships", "id");
        if (sheetName && id) {
            keep(*this, budget_, std::strlen(sheetName) + std::strlen(id));
            sheets.emplace_back(sheetName, id);
        }
    }
    void end(XmlName) override {}
    void text(std::string_view) override {}

private:
    SheetBudget& budget_;
};

// A number format shows a percentage when its first section has a % outside quotes and brackets.
bool isPercentFormat(std::string_view code)
{
    bool quoted = false;
    bool bracketed = false;
    for (std::size_t i = 0; i < code.size(); ++i) {
        const char c = code[i];
        if (quoted) {
            quoted = c != '"';
        } else if (bracketed) {
            bracketed = c != ']';
        } else if (c == '"') {
            quoted = true;
        } else if (c == '[') {
            bracketed = true;
        } else if (c == '\\' || c == '_' || c == '*') {
            ++i; // the next character is shown as it is
        } else if (c == ';') {
            return false;
        } else if (c == '%') {
            return true;
        }
    }
    return false;
}

class StylesHandler : public XmlHandler {
public:
    std::vector<bool>& percentStyles;
    explicit StylesHandler(std::vector<bool>& styles) : percentStyles(styles) {}
    void start(XmlName name, const XmlAttributes& attributes) override
    {
        if (name.local == "numFmt") {
            const char* id = attributes.find("numFmtId");
            const char* code = attributes.find("formatCode");
            if (id && code && isPercentFormat(code))
                percentFormats_.emplace_back(id);
        } else if (name.local == "cellXfs") {
            inCellFormats_ = true;
        } else if (name.local == "xf" && inCellFormats_) {
            const char* id = attributes.find("numFmtId");
            const std::string_view format = id ? id : "0";
            percentStyles.push_back(format == "9" || format == "10" ||
                                    std::find(percentFormats_.begin(), percentFormats_.end(), format) !=
                                        percentFormats_.end());
        }
    }
    void end(XmlName name) override
    {
        if (name.local == "cellXfs")
            inCellFormats_ = false;
    }
    void text(std::string_view) override {}

private:
    std::vector<std::string> percentFormats_;
    bool inCellFormats_ = false;
};

class SharedStringsHandler : public XmlHandler {
public:
    SharedStringsHandler(std::vector<std::string>& strings, SheetBudget& budget) : strings_(strings), budget_(budget) {}
    void start(XmlName name, const XmlAttributes&) override
    {
        if (name.local == "si")
            inItem_ = true;
        else if (inItem_)
            item_.start(name.local);
    }
    void end(XmlName name) override
    {
        if (name.local != "si") {
            item_.end(name.local);
            return;
        }
        inItem_ = false;
        std::string text = item_.take();
        if (!budget_.take(1, text.size()))
            stop(SheetBudget::tooLargeMessage(budget_.limits()));
        strings_.push_back(std::move(text));
    }
    void text(std::string_view piece) override
    {
        if (inItem_)
            item_.text(piece);
        if (item_.size() > budget_.limits().maxTextBytes)
            stop(SheetBudget::tooLargeMessage(budget_.limits()));
    }

private:
    std::vector<std::string>& strings_;
    SheetBudget& budget_;
    XlsxRichText item_;
    bool inItem_ = false;
};

} // namespace

std::string resolvedPartName(const std::string& fromPart, const std::string& target)
{
    std::vector<std::string> segments;
    std::string path = target;
    if (!target.starts_with('/')) {
        const std::size_t slash = fromPart.rfind('/');
        path = (slash == std::string::npos ? "" : fromPart.substr(0, slash + 1)) + target;
    }
    std::size_t at = 0;
    while (at <= path.size()) {
        std::size_t next = path.find('/', at);
        if (next == std::string::npos)
            next = path.size();
        const std::string segment = path.substr(at, next - at);
        if (segment == "..") {
            if (!segments.empty())
                segments.pop_back();
        } else if (!segment.empty() && segment != ".") {
            segments.push_back(segment);
        }
        at = next + 1;
    }
    std::string joined;
    for (const std::string& segment : segments)
        joined += (joined.empty() ? "" : "/") + segment;
    return joined;
}

ZipXmlRead readXlsxWorkbook(const ZipArchive& zip, SheetBudget& budget, XlsxWorkbook& workbook)
{
    RelationshipsHandler package(budget);
    const ZipXmlRead packageRead = readZipXmlPart(zip, "_rels/.rels", package, budget, xlsxKind);
    if (!packageRead.error.empty())
        return packageRead;
    std::string workbookPart = "xl/workbook.xml";
    for (const auto& [id, r] : package.byId)
        if (isType(r, "officeDocument"))
            workbookPart = resolvedPartName("", r.target);

    WorkbookHandler sheets(budget);
    const ZipXmlRead workbookRead = readZipXmlPart(zip, workbookPart, sheets, budget, xlsxKind);
    if (workbookRead.missing)
        return {false, "The file is a zip archive but not an XLSX workbook: it has no " + workbookPart + "."};
    if (!workbookRead.ok())
        return workbookRead;

    RelationshipsHandler parts(budget);
    const std::string relationshipsPart = relationshipsPartOf(workbookPart);
    const ZipXmlRead partsRead = readZipXmlPart(zip, relationshipsPart, parts, budget, xlsxKind);
    if (partsRead.missing)
        return {false, "The XLSX workbook is damaged: it has no " + relationshipsPart + "."};
    if (!partsRead.ok())
        return partsRead;
    for (const auto& [id, r] : parts.byId) {
        if (isType(r, "sharedStrings"))
            workbook.sharedStringsPart = resolvedPartName(workbookPart, r.target);
        else if (isType(r, "styles"))
            workbook.stylesPart = resolvedPartName(workbookPart, r.target);
    }
    for (const auto& [name, id] : sheets.sheets) {
        const auto found = parts.byId.find(id);
        if (found != parts.byId.end() && isType(found->second, "worksheet"))
            workbook.sheets.push_back({name, resolvedPartName(workbookPart, found->second.target)});
    }
    return {};
}

ZipXmlRead readXlsxPercentStyles(const ZipArchive& zip, const std::string& part, SheetBudget& budget,
                                 std::vector<bool>& percentStyles)
{
    StylesHandler styles(percentStyles);
    return readZipXmlPart(zip, part, styles, budget, xlsxKind);
}

ZipXmlRead readXlsxSharedStrings(const ZipArchive& zip, const std::string& part, SheetBudget& budget,
                                 std::vector<std::string>& strings)
{
    SharedStringsHandler handler(strings, budget);
    return readZipXmlPart(zip, part, handler, budget, xlsxKind);
}

void XlsxRichText::start(std::string_view local)
{
    if (local == "rPh")
        ++phoneticDepth_;
    else if (local == "t" && phoneticDepth_ == 0)
        inRun_ = true;
}

void XlsxRichText::end(std::string_view local)
{
    if (local == "rPh")
        --phoneticDepth_;
    else if (local == "t")
        inRun_ = false;
}

void XlsxRichText::text(std::string_view piece)
{
    if (inRun_)
        text_ += piece;
}

std::string XlsxRichText::take()
{
    inRun_ = false;
    phoneticDepth_ = 0;
    return std::exchange(text_, {});
}

} // namespace tq
