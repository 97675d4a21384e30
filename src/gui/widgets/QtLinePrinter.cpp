#include "gui/widgets/QtLinePrinter.h"

#include "gui/widgets/Fonts.h"

#include <QFontMetricsF>
#include <QPrinter>

#include <algorithm>

namespace tq::ui {

QtLinePrinter::QtLinePrinter(std::unique_ptr<QPrinter> printer)
    : m_ownedPrinter(std::move(printer)), m_printer(m_ownedPrinter.get())
{
}

QtLinePrinter::QtLinePrinter(QPrinter& printer)
    : m_printer(&printer)
{
}

QtLinePrinter::~QtLinePrinter()
{
    if (m_painter.isActive())
        m_painter.end();
}

bool QtLinePrinter::beginDocument()
{
    if (m_failed || m_ended)
        return false;
    if (m_painter.isActive())
        return true;
    if (!m_painter.begin(m_printer)) {
        m_failed = true;
        return false;
    }
    m_painter.setFont(programFont(m_fontName, m_fontSize));
    m_painter.setPen(Qt::black);
    m_y = 0;
    m_pages = 1;
    return true;
}

double QtLinePrinter::pageHeight() const
{
    return m_printer->pageRect(QPrinter::DevicePixel).height();
}

double QtLinePrinter::linePitch() const
{
    if (m_fitLines <= 0)
        return 1;
    const double fitted = QFontMetricsF(m_fitFont, m_printer).lineSpacing() * m_fitLines;
    return std::clamp(pageHeight() / fitted, double(minimumLinePitch), 1.0);
}

bool QtLinePrinter::startNextPage()
{
    if (!m_printer->newPage()) {
        m_failed = true;
        return false;
    }
    m_y = 0;
    ++m_pages;
    return true;
}

bool QtLinePrinter::setOrientation(Orientation orientation)
{
    if (m_failed || m_ended)
        return false;
    // While a page is being drawn the change applies from the next page on.
    m_printer->setPageOrientation(orientation);
    return true;
}

bool QtLinePrinter::setFont(const QString& name, qreal pointSize)
{
    if (m_failed || m_ended)
        return false;
    m_fontName = name;
    m_fontSize = pointSize;
    if (m_painter.isActive())
        m_painter.setFont(programFont(name, pointSize));
    return true;
}

double QtLinePrinter::lineHeight() const
{
    return QFontMetricsF(m_painter.font(), m_printer).lineSpacing() * linePitch();
}

bool QtLinePrinter::printLine(const QString& text)
{
    if (!beginDocument())
        return false;
    const double height = lineHeight();
    // A page always takes at least one line, however large the font.
    if (m_y > 0 && m_y + height > pageHeight() && !startNextPage())
        return false;
    if (!text.isEmpty())
        m_painter.drawText(QPointF(0, m_y + QFontMetricsF(m_painter.font(), m_printer).ascent()), text);
    m_y += height;
    return true;
}

bool QtLinePrinter::printPicture(const QString&, int lines, const PaintPicture& paint)
{
    if (!beginDocument())
        return false;
    const double height = lineHeight() * lines;
    // Like a line, a picture taller than a page still takes one page of its own.
    if (m_y > 0 && m_y + height > pageHeight() && !startNextPage())
        return false;
    if (paint) {
        m_painter.save();
        paint(m_painter, QRectF(0, m_y, m_printer->pageRect(QPrinter::DevicePixel).width(), height));
        m_painter.restore();
    }
    m_y += height;
    return true;
}

bool QtLinePrinter::newPage()
{
    if (!beginDocument())
        return false;
    return startNextPage();
}

bool QtLinePrinter::fitLinesPerPage(int lines, const QString& fontName, qreal pointSize)
{
    if (m_failed || m_ended)
        return false;
    m_fitLines = lines;
    m_fitFont = programFont(fontName, pointSize);
    return true;
}

bool QtLinePrinter::endDocument()
{
    if (m_failed || m_ended)
        return false;
    m_ended = true;
    // Nothing printed: no job is sent.
    if (m_painter.isActive() && !m_painter.end()) {
        m_failed = true;
        return false;
    }
    return true;
}

} // namespace tq::ui
