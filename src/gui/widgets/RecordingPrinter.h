#pragma once
// A printer for tests: it prints nothing and keeps every call as an event, so a report's
// exact lines, fonts and page breaks can be asserted. Pictures are drawn into images of their
// own, kept for the test to look at.
#include "gui/widgets/LinePrinter.h"

#include <QImage>
#include <QStringList>
#include <vector>

namespace tq::ui {

class RecordingPrinter : public LinePrinter {
public:
    struct Event {
        enum class Kind { Orientation, Font, Line, Picture, NewPage, FitLines, End };
        Kind kind;
        QString text;                 // the line, for Line; the picture's name, for Picture
        QString fontName;             // the font in effect, for Font and Line; the font fitted, for FitLines
        qreal fontSize = 0;
        Orientation orientation = Orientation::Portrait;   // for Orientation
        int lines = 0;                // for FitLines and Picture
    };

    bool setOrientation(Orientation orientation) override;
    bool setFont(const QString& name, qreal pointSize) override;
    QString fontName() const override { return m_fontName; }
    qreal fontSize() const override { return m_fontSize; }
    bool printLine(const QString& text) override;
    // Draws the picture into an image as wide as a page of text (pictureWidth) and `lines`
    // times pictureLineHeight high, white to begin with, in the printer's current font.
    bool printPicture(const QString& name, int lines, const PaintPicture& paint) override;
    bool newPage() override;
    bool fitLinesPerPage(int lines, const QString& fontName, qreal pointSize) override;
    bool endDocument() override;

    const std::vector<Event>& events() const { return m_events; }
    // The events as text, one entry each: "orientation landscape", "font Courier New 9",
    // "line [Courier New 9] text", "picture [Arial 12] mark chart 18 lines", "new page",
    // "fit 64 lines [Courier New 9]", "end document".
    QStringList log() const;
    // Only the printed texts, in order.
    QStringList lines() const;
    bool ended() const { return m_ended; }
    // The pictures drawn, in order.
    const std::vector<QImage>& pictures() const { return m_pictures; }
    static constexpr int pictureWidth = 720;
    static constexpr int pictureLineHeight = 20;
    // The orientation the pages come out in: as the print dialog left it, then as the report
    // sets it.
    Orientation orientation() const { return m_orientation; }
    void setDialogOrientation(Orientation orientation) { m_orientation = orientation; }

    // Makes the printer fail from its (count + 1)-th call on: such calls record nothing and
    // answer false. A negative count never fails.
    void failAfterCalls(int count) { m_failAfter = count; }

private:
    bool accept();

    std::vector<Event> m_events;
    std::vector<QImage> m_pictures;
    QString m_fontName = QString::fromLatin1(defaultPrinterFontName);
    qreal m_fontSize = defaultPrinterFontSize;
    bool m_ended = false;
    Orientation m_orientation = Orientation::Portrait;
    int m_calls = 0;
    int m_failAfter = -1;
};

} // namespace tq::ui
