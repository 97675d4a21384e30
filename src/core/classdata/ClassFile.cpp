#include "core/classdata/ClassFile.h"

#include "core/classdata/CsvText.h"

#include <array>
#include <optional>

namespace tq {

namespace {
struct ValuePair { std::string_view code; std::string_view letter; };
constexpr std::array<ValuePair, 6> valuePairs{{
    {"1", "N"}, {"2", "S"}, {"3", "G"}, {"4", "E"}, {"", "0"}, {"Y", "1"}}};
} // namespace

std::string_view skillCodeToLetter(std::string_view code)
{
    for (const ValuePair& p : valuePairs)
        if (code == p.code)
            return p.letter;
    return {};
}

std::string_view skillLetterToCode(std::string_view letter)
{
    for (const ValuePair& p : valuePairs)
        if (letter == p.letter)
            return p.code;
    return {};
}

std::string classFileBaseName(const std::string& courseCode)
{
    std::string name;
    for (const char c : courseCode)
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            name += c;
    return name;
}

namespace {
// Names such as "Smith, Jr." are quoted so that they do not shift later fields.
void appendField(std::string& line, std::string_view value)
{
    line += csvField(value);
    line += ',';
}
} // namespace

std::string classFileLine(const StudentRecord& s)
{
    std::string line;
    line.reserve(128 + s.freeFormComment.size());
    appendField(line, s.courseCode);
    appendField(line, s.lastName);
    appendField(line, s.firstName);
    appendField(line, s.studentNumber);
    appendField(line, s.gender);
    appendField(line, s.masterColumn8);
    appendField(line, skillCodeToLetter(s.iep));
    appendField(line, s.esl);
    appendField(line, s.eld);
    appendField(line, s.mark);
    appendField(line, "");
    appendField(line, "");
    for (int k = 1; k <= skillCount; ++k)
        appendField(line, skillCodeToLetter(s.skill(k)));
    appendField(line, "");
    for (int k = 1; k <= commentCount; ++k)
        appendField(line, s.comment(k));
    appendField(line, s.interview);
    appendField(line, s.hasFreeForm ? "True" : "False");
    line += s.freeFormComment;
    return line;
}

std::string classFileText(const ClassList& students)
{
    std::string text;
    text.reserve(students.size() * 160);
    for (const StudentRecord& s : students) {
        text += classFileLine(s);
        text += crlf;
    }
    return text;
}

bool saveClassFile(const std::string& path, const ClassList& students, const ByteWriterFactory& makeWriter)
{
    return replaceFileAtomically(path, classFileText(students), makeWriter);
}

Message invalidClassFileTypeMessage()
{
    return Message{"TQ7: Invalid Tallyquill Class File Type"};
}

Message invalidClassFileMessage()
{
    return Message{"TQ8: Invalid Tallyquill Class File (Perhaps it is an .tqc file created by an earlier "
                   "version of TQ. Due to changes in Ministry reporting you must use current files with "
                   "the current version of TQ.)"};
}

namespace {
// The boolean conversion of field 26: "True" or "False" in any case, or a number (non-zero is true).
std::optional<bool> freeFormFlag(std::string_view text)
{
    auto equalsIgnoringCase = [](std::string_view a, std::string_view b) {
        if (a.size() != b.size())
            return false;
        for (size_t i = 0; i < a.size(); ++i) {
            auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
            if (lower(a[i]) != lower(b[i]))
                return false;
        }
        return true;
    };
    const std::string_view t = trimSpaces(text);
    if (equalsIgnoringCase(t, "true"))
        return true;
    if (equalsIgnoringCase(t, "false"))
        return false;
    // A number: optional sign, digits with at most one decimal point, and nothing else.
    size_t i = (!t.empty() && (t[0] == '+' || t[0] == '-')) ? 1 : 0;
    bool digits = false, point = false;
    for (; i < t.size(); ++i) {
        if (t[i] >= '0' && t[i] <= '9')
            digits = true;
        else if (t[i] == '.' && !point)
            point = true;
        else
            return std::nullopt;
    }
    if (!digits)
        return std::nullopt;
    // Non-zero is true: decided by the digits, so a number too long for a double still counts.
    return t.find_first_of("123456789") != std::string_view::npos;
}

// Reads one class-file line into `s`; false when the line is not a valid student line. The
// fields are views into the line and each is copied once, straight into the record.
bool parseClassLine(std::string_view line, StudentRecord& s)
{
    if (countChar(line, ',') < 23)
        return false;
    ClassLineFields f;
    if (!takeCsvFields(line, f.data(), f.size()))
        return false;
    const std::optional<bool> freeForm = freeFormFlag(f[25]);
    if (!freeForm)
        return false;
    fillStudentRecord(s, f, line);
    s.hasFreeForm = *freeForm;
    return true;
}
} // namespace

void fillStudentRecord(StudentRecord& s, const ClassLineFields& f, std::string_view freeFormText)
{
    s.courseCode = f[0];
    s.lastName = f[1];
    s.firstName = f[2];
    s.studentNumber = f[3];
    s.gender = f[4];
    s.masterColumn8 = f[5];
    s.iep = skillLetterToCode(f[6]);
    s.esl = f[7];
    s.eld = f[8];
    s.mark = f[9];
    for (int k = 1; k <= skillCount; ++k)
        s.skill(k) = skillLetterToCode(f[static_cast<size_t>(11 + k)]);
    for (int k = 1; k <= commentCount; ++k)
        s.comment(k) = f[static_cast<size_t>(18 + k)];
    s.interview = f[24];
    s.freeFormComment = freeFormText;
}

std::variant<ClassList, Message> readClassFile(const std::string& path)
{
    if (fileExtensionTail(path, 3) != "tqc")
        return invalidClassFileTypeMessage();
    const std::optional<std::string> text = readTextFile(path);
    if (!text)
        return invalidClassFileMessage();
    return parseClassFileText(*text);
}

std::variant<ClassList, Message> parseClassFileText(std::string_view text)
{
    const std::vector<std::string_view> lines = lineViews(text);
    if (lines.empty() || lines.size() > static_cast<size_t>(maxStudents))
        return invalidClassFileMessage();
    ClassList students(lines.size());
    for (size_t i = 0; i < lines.size(); ++i)
        if (!parseClassLine(lines[i], students[i]))
            return invalidClassFileMessage();
    return students;
}

} // namespace tq
