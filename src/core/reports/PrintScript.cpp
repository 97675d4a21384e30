#include "core/reports/PrintScript.h"

#include <sstream>

namespace tq {

namespace {
std::string points(double size)
{
    std::ostringstream out;
    out << size;
    return out.str();
}
} // namespace

PrintOperation& PrintScript::add(PrintOperation::Kind kind)
{
    operations_.push_back({});
    operations_.back().kind = kind;
    return operations_.back();
}

void PrintScript::orientation(PageOrientation orientation)
{
    add(PrintOperation::Kind::Orientation).orientation = orientation;
}

void PrintScript::fitLinesPerPage(int lines, const std::string& fontName, double pointSize)
{
    PrintOperation& op = add(PrintOperation::Kind::FitLines);
    op.lines = lines;
    op.text = fontName;
    op.pointSize = pointSize;
}

void PrintScript::font(const std::string& name, double pointSize)
{
    PrintOperation& op = add(PrintOperation::Kind::Font);
    op.text = name;
    op.pointSize = pointSize;
}

void PrintScript::fontSize(double pointSize) { add(PrintOperation::Kind::FontSize).pointSize = pointSize; }
void PrintScript::line(const std::string& text) { add(PrintOperation::Kind::Line).text = text; }
void PrintScript::picture(const std::string& name, int lines)
{
    PrintOperation& op = add(PrintOperation::Kind::Picture);
    op.text = name;
    op.lines = lines;
}

void PrintScript::newPage() { add(PrintOperation::Kind::NewPage); }
void PrintScript::end() { add(PrintOperation::Kind::End); }

std::vector<std::string> PrintScript::lines() const
{
    std::vector<std::string> out;
    for (const PrintOperation& op : operations_)
        if (op.kind == PrintOperation::Kind::Line)
            out.push_back(op.text);
    return out;
}

std::vector<std::string> PrintScript::log() const
{
    std::vector<std::string> out;
    for (const PrintOperation& op : operations_) {
        switch (op.kind) {
        case PrintOperation::Kind::Orientation:
            out.push_back(op.orientation == PageOrientation::Landscape ? "orientation landscape" : "orientation portrait");
            break;
        case PrintOperation::Kind::FitLines:
            out.push_back("fit " + std::to_string(op.lines) + " lines [" + op.text + " " + points(op.pointSize) + "]");
            break;
        case PrintOperation::Kind::Font: out.push_back("font " + op.text + " " + points(op.pointSize)); break;
        case PrintOperation::Kind::FontSize: out.push_back("font size " + points(op.pointSize)); break;
        case PrintOperation::Kind::Line: out.push_back("line " + op.text); break;
        case PrintOperation::Kind::Picture:
            out.push_back("picture " + op.text + " " + std::to_string(op.lines) + " lines");
            break;
        case PrintOperation::Kind::NewPage: out.push_back("new page"); break;
        case PrintOperation::Kind::End: out.push_back("end document"); break;
        }
    }
    return out;
}

} // namespace tq
