#include "core/mycomments/MyCommentsFile.h"

#include "core/base/Cp1252.h"
#include "core/base/TextFile.h"
#include "core/base/TrimBlanks.h"

#include <filesystem>
#include <system_error>

namespace tq {

namespace {
constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
} // namespace

std::string myCommentsPath(const std::string& documentsFolder)
{
    return documentsFolder + "/" + myCommentsFolderName + "/" + myCommentsFileName;
}

std::string tidyMyComment(std::string_view comment)
{
    std::string tidy(comment);
    for (char& c : tidy)
        if (c == '\r' || c == '\n' || c == '\t')
            c = ' ';
    // A byte-order mark, which shows nothing, would be taken for the file's own at its start.
    for (size_t at = tidy.find(byteOrderMark); at != std::string::npos; at = tidy.find(byteOrderMark, at))
        tidy.erase(at, byteOrderMark.size());
    return std::string(trimBlanks(tidy));
}

MyComments parseMyComments(std::string_view bytes)
{
    if (bytes.starts_with(byteOrderMark))
        bytes.remove_prefix(byteOrderMark.size());
    MyComments read;
    std::string converted;
    if (!isWellFormedUtf8(bytes)) {
        converted = cp1252ToUtf8(bytes);
        bytes = converted;
        read.readAsCp1252 = true;
    }
    std::string paragraph;
    const auto endParagraph = [&] {
        if (!paragraph.empty())
            read.comments.push_back(std::move(paragraph));
        paragraph.clear();
    };
    for (const std::string_view line : lineViews(bytes)) {
        const std::string text = tidyMyComment(line);
        if (text.empty()) {
            endParagraph();
            continue;
        }
        if (!paragraph.empty())
            paragraph += ' ';
        paragraph += text;
    }
    endParagraph();
    return read;
}

std::string myCommentsFileText(const std::vector<std::string>& comments)
{
    std::string text;
    for (const std::string& comment : comments) {
        const std::string line = tidyMyComment(comment);
        if (line.empty())
            continue;
        if (!text.empty())
            text += "\r\n";
        text += line;
        text += "\r\n";
    }
    return text;
}

MyCommentsLoad readMyCommentsFile(const std::string& path)
{
    std::error_code ec;
    if (!std::filesystem::exists(path, ec) && !ec)
        return {MyCommentsRead::NoFile, {}};
    const std::optional<std::string> bytes = readFileBytes(path);
    if (!bytes)
        return {MyCommentsRead::Unreadable, {}};
    return {MyCommentsRead::Read, parseMyComments(*bytes)};
}

std::string myCommentsUnreadableText(const std::string& path)
{
    return "Tallyquill cannot read your comments file " + path +
           ". Please check that it is a text file you may read; it is left as it is.";
}

} // namespace tq
