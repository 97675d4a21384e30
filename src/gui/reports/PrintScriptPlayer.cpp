#include "gui/reports/PrintScriptPlayer.h"

#include "gui/widgets/Codepage.h"
#include "gui/widgets/LinePrinter.h"

namespace tq {

namespace {
bool play(const PrintOperation& op, ui::LinePrinter& printer, const ui::LinePrinter::PaintPicture& paintPicture)
{
    using Kind = PrintOperation::Kind;
    switch (op.kind) {
    case Kind::Orientation:
        return printer.setOrientation(op.orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                                  : QPageLayout::Portrait);
    case Kind::FitLines: return printer.fitLinesPerPage(op.lines, QString::fromStdString(op.text), op.pointSize);
    case Kind::Font: return printer.setFont(QString::fromStdString(op.text), op.pointSize);
    case Kind::FontSize: return printer.setFontSize(op.pointSize);
    case Kind::Line: return printer.printLine(ui::fromCp1252(op.text));
    case Kind::Picture: return printer.printPicture(ui::fromCp1252(op.text), op.lines, paintPicture);
    case Kind::NewPage: return printer.newPage();
    case Kind::End: return printer.endDocument();
    }
    return false;
}
} // namespace

bool playPrintScript(const PrintScript& script, ui::LinePrinter& printer,
                     const ui::LinePrinter::PaintPicture& paintPicture)
{
    for (const PrintOperation& op : script.operations())
        if (!play(op, printer, paintPicture))
            return false;
    return true;
}

} // namespace tq
