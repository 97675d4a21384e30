#pragma once
// A printer that takes text a line at a time, top to bottom, as a line printer does: the
// report code chooses orientation and font and hands over lines; the printer decides where
// they fall and starts a new page when the next line would not fit. Every call answers false
// once the printer has failed, so a report can stop at the first error.
#include <QPageLayout>
#include <QRectF>
#include <QString>

#include <functional>

class QPainter;

namespace tq::ui {

// The font a printer starts with, before the report chooses one.
inline constexpr const char* defaultPrinterFontName = "Arial";
inline constexpr qreal defaultPrinterFontSize = 10;
// Lines fitted to a page are never closer than this share of their font's own line spacing,
// so that they never run into each other.
inline constexpr qreal minimumLinePitch = 0.85;

class LinePrinter {
public:
    using Orientation = QPageLayout::Orientation;

    virtual ~LinePrinter() = default;

    virtual bool setOrientation(Orientation orientation) = 0;
    // `name` is one of the program's font names (see programFont).
    virtual bool setFont(const QString& name, qreal pointSize) = 0;
    bool setFontSize(qreal pointSize) { return setFont(fontName(), pointSize); }
    virtual QString fontName() const = 0;
    virtual qreal fontSize() const = 0;

    // Prints one line in the current font; an empty text advances by one line.
    virtual bool printLine(const QString& text) = 0;
    // Draws a picture into the rectangle given, in the painter's own units (its font is the
    // printer's current font).
    using PaintPicture = std::function<void(QPainter&, const QRectF&)>;
    // Prints a picture across the page, as high as `lines` lines of the current font, below
    // what is printed so far, starting a new page when it would not fit on this one. `name`
    // says which picture it is; an empty `paint` leaves the space blank.
    virtual bool printPicture(const QString& name, int lines, const PaintPicture& paint) = 0;
    virtual bool newPage() = 0;
    // For a report that starts its own pages and puts at most `lines` lines of the given font
    // on one: from here on the printer closes up the spacing of every line (never below
    // minimumLinePitch of the font's own) so that many fit on its page. A page that still
    // overflows breaks as usual.
    virtual bool fitLinesPerPage(int lines, const QString& fontName, qreal pointSize) = 0;
    // Sends the pages printed so far; the printer takes no more lines afterwards.
    virtual bool endDocument() = 0;
};

} // namespace tq::ui
