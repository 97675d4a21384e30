#pragma once
// A printout as a list of printer operations — orientation, font, line, picture, new page, end —
// made by the report code without any printer at hand. The same list is then played on paper, into a
// PDF file or into a preview, and tests read it line by line.
#include <string>
#include <vector>

namespace tq {

enum class PageOrientation { Portrait, Landscape };

struct PrintOperation {
    enum class Kind { Orientation, FitLines, Font, FontSize, Line, Picture, NewPage, End };

    Kind kind = Kind::Line;
    std::string text;       // Line: the text (Windows-1252); Font, FitLines: the font name; Picture: its name
    double pointSize = 0;   // Font, FontSize, FitLines
    int lines = 0;          // FitLines; Picture: its height
    PageOrientation orientation = PageOrientation::Portrait;   // Orientation

    bool operator==(const PrintOperation&) const = default;
};

class PrintScript {
public:
    void orientation(PageOrientation orientation);
    // The report starts its own pages and puts at most `lines` lines of this font on one: the
    // printer closes up its line spacing, within limits, so that they fit the page it has.
    void fitLinesPerPage(int lines, const std::string& fontName, double pointSize);
    void font(const std::string& name, double pointSize);
    // Changes the size only, keeping the printer's current font.
    void fontSize(double pointSize);
    // One line in the current font; an empty text leaves an empty line.
    void line(const std::string& text);
    // A picture across the page, as high as `lines` lines of the current font, drawn by whoever
    // plays the printout (the report code draws nothing); `name` says which.
    void picture(const std::string& name, int lines);
    void newPage();
    // Sends the document; nothing is printed after it.
    void end();

    const std::vector<PrintOperation>& operations() const { return operations_; }
    // Only the printed texts, in order.
    std::vector<std::string> lines() const;
    // Every operation as text: "orientation landscape", "fit 64 lines [Courier New 9]",
    // "font Courier New 12", "font size 9", "line <text>", "picture <name> 16 lines", "new page",
    // "end document".
    std::vector<std::string> log() const;

private:
    PrintOperation& add(PrintOperation::Kind kind);

    std::vector<PrintOperation> operations_;
};

} // namespace tq
