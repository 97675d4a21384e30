#pragma once
// The line printer over a QPrinter: lines go down the printable area of the page in the
// current font's line spacing; when the next line would not fit, a new page begins.
#include "gui/widgets/LinePrinter.h"

#include <QFont>
#include <QPainter>
#include <memory>

class QPrinter;

namespace tq::ui {

class QtLinePrinter : public LinePrinter {
public:
    explicit QtLinePrinter(std::unique_ptr<QPrinter> printer);
    // Prints on a printer owned elsewhere, such as the one a print preview hands out.
    explicit QtLinePrinter(QPrinter& printer);
    // A document still open is sent as it stands.
    ~QtLinePrinter() override;
    QtLinePrinter(const QtLinePrinter&) = delete;
    QtLinePrinter& operator=(const QtLinePrinter&) = delete;

    bool setOrientation(Orientation orientation) override;
    bool setFont(const QString& name, qreal pointSize) override;
    QString fontName() const override { return m_fontName; }
    qreal fontSize() const override { return m_fontSize; }
    bool printLine(const QString& text) override;
    bool printPicture(const QString& name, int lines, const PaintPicture& paint) override;
    bool newPage() override;
    bool fitLinesPerPage(int lines, const QString& fontName, qreal pointSize) override;
    bool endDocument() override;

    // Pages begun so far (0 before the first line).
    int pageCount() const { return m_pages; }
    QPrinter& printer() { return *m_printer; }
    // The share of each font's own line spacing that lines advance by (1 unless fitted).
    double linePitch() const;

private:
    bool beginDocument();
    bool startNextPage();
    double pageHeight() const;
    // The height the next line of the current font takes, at the current spacing.
    double lineHeight() const;

    std::unique_ptr<QPrinter> m_ownedPrinter;
    QPrinter* m_printer;
    QPainter m_painter;
    QString m_fontName = QString::fromLatin1(defaultPrinterFontName);
    qreal m_fontSize = defaultPrinterFontSize;
    double m_y = 0;        // top of the next line, in device pixels from the printable top
    int m_pages = 0;
    int m_fitLines = 0;    // lines a page must hold in the fitted font; 0: natural spacing
    QFont m_fitFont;
    bool m_failed = false;
    bool m_ended = false;
};

} // namespace tq::ui
