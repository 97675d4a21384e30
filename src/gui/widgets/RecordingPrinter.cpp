#include "gui/widgets/RecordingPrinter.h"

#include "gui/widgets/Fonts.h"

#include <QPainter>

#include <algorithm>

namespace tq::ui {

bool RecordingPrinter::accept()
{
    ++m_calls;
    return m_failAfter < 0 || m_calls <= m_failAfter;
}

bool RecordingPrinter::setOrientation(Orientation orientation)
{
    if (!accept())
        return false;
    m_events.push_back({Event::Kind::Orientation, {}, {}, 0, orientation, 0});
    m_orientation = orientation;
    return true;
}

bool RecordingPrinter::setFont(const QString& name, qreal pointSize)
{
    if (!accept())
        return false;
    m_fontName = name;
    m_fontSize = pointSize;
    m_events.push_back({Event::Kind::Font, {}, name, pointSize, {}, 0});
    return true;
}

bool RecordingPrinter::printLine(const QString& text)
{
    if (!accept())
        return false;
    m_events.push_back({Event::Kind::Line, text, m_fontName, m_fontSize, {}, 0});
    return true;
}

bool RecordingPrinter::printPicture(const QString& name, int lines, const PaintPicture& paint)
{
    if (!accept())
        return false;
    m_events.push_back({Event::Kind::Picture, name, m_fontName, m_fontSize, {}, lines});
    QImage image(pictureWidth, pictureLineHeight * std::max(lines, 1), QImage::Format_RGB32);
    image.fill(Qt::white);
    if (paint) {
        QPainter painter(&image);
        painter.setFont(programFont(m_fontName, m_fontSize));
        painter.setPen(Qt::black);
        paint(painter, QRectF(image.rect()));
    }
    m_pictures.push_back(std::move(image));
    return true;
}

bool RecordingPrinter::newPage()
{
    if (!accept())
        return false;
    m_events.push_back({Event::Kind::NewPage, {}, {}, 0, {}, 0});
    return true;
}

bool RecordingPrinter::fitLinesPerPage(int lines, const QString& fontName, qreal pointSize)
{
    if (!accept())
        return false;
    m_events.push_back({Event::Kind::FitLines, {}, fontName, pointSize, {}, lines});
    return true;
}

bool RecordingPrinter::endDocument()
{
    if (!accept())
        return false;
    m_ended = true;
    m_events.push_back({Event::Kind::End, {}, {}, 0, {}, 0});
    return true;
}

QStringList RecordingPrinter::log() const
{
    QStringList out;
    for (const Event& e : m_events) {
        const QString font = e.fontName + QLatin1Char(' ') + QString::number(e.fontSize);
        switch (e.kind) {
        case Event::Kind::Orientation:
            out << (e.orientation == Orientation::Landscape ? QStringLiteral("orientation landscape")
                                                            : QStringLiteral("orientation portrait"));
            break;
        case Event::Kind::Font: out << QStringLiteral("font ") + font; break;
        case Event::Kind::Line: out << QStringLiteral("line [") + font + QStringLiteral("] ") + e.text; break;
        case Event::Kind::Picture:
            out << QStringLiteral("picture [%1] %2 %3 lines").arg(font, e.text).arg(e.lines);
            break;
        case Event::Kind::NewPage: out << QStringLiteral("new page"); break;
        case Event::Kind::FitLines:
            out << QStringLiteral("fit %1 lines [").arg(e.lines) + font + QLatin1Char(']');
            break;
        case Event::Kind::End: out << QStringLiteral("end document"); break;
        }
    }
    return out;
}

QStringList RecordingPrinter::lines() const
{
    QStringList out;
    for (const Event& e : m_events) {
        if (e.kind == Event::Kind::Line)
            out << e.text;
    }
    return out;
}

} // namespace tq::ui
