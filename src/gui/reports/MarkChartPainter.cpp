#include "gui/reports/MarkChartPainter.h"

#include "gui/widgets/Codepage.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPalette>

#include <algorithm>

namespace tq::ui {

ChartInk screenInk(const QPalette& palette)
{
    return {palette.color(QPalette::Base), palette.color(QPalette::Text), palette.color(QPalette::Highlight),
            palette.color(QPalette::Text)};
}

ChartInk paperInk()
{
    return {Qt::white, Qt::black, QColor(200, 200, 200), Qt::black};
}

namespace {

// Where the parts of the chart go: the axis across the bottom, above it the bars, above them a
// row for their counts and two rows for the labels of the mean and the median; below the axis
// its tick marks, the marks at the ends of the bands and the bands' names.
struct ChartLayout {
    double line = 0;      // the font's line spacing
    double left = 0;      // the axis's ends
    double right = 0;
    double bandWidth = 0;
    double labelsTop = 0; // the mean's row, then the median's
    double plotTop = 0;   // the top of the highest bar
    double axisY = 0;
    double tick = 0;      // the length of a tick mark

    double x(double axisPosition) const { return left + axisPosition * bandWidth; }
};

ChartLayout layOut(const QRectF& area, const QFontMetricsF& metrics)
{
    ChartLayout l;
    l.line = metrics.lineSpacing();
    const double pad = l.line * 0.5;
    // Half of the widest edge label may stand out beyond each end of the axis.
    const double side = pad + metrics.horizontalAdvance(QStringLiteral("100")) / 2;
    l.left = area.left() + side;
    l.right = std::max(l.left + 1, area.right() - side);
    l.bandWidth = (l.right - l.left) / markBandCount;
    l.labelsTop = area.top() + pad;
    l.plotTop = l.labelsTop + 3 * l.line;
    l.tick = l.line * 0.3;
    l.axisY = std::max(l.plotTop + 1, area.bottom() - pad - 2 * l.line - l.tick);
    return l;
}

// Text on a patch of paper, so that a line of the mean or the median passing behind it leaves
// it readable.
void drawLabel(QPainter& painter, const QRectF& box, const QString& label, const ChartInk& ink)
{
    painter.fillRect(box, ink.paper);
    painter.setPen(ink.ink);
    painter.drawText(box, Qt::AlignCenter, label);
}

// The height of band b's bar: the highest bar fills the room between the axis and the counts.
double barHeight(const ChartLayout& l, const MarkDistribution& marks, int b)
{
    const int highest = std::max(1, *std::max_element(marks.bands.begin(), marks.bands.end()));
    return (l.axisY - l.plotTop) * marks.bands[static_cast<size_t>(b)] / highest;
}

void drawBars(QPainter& painter, const ChartLayout& l, const MarkDistribution& marks, const ChartInk& ink, double pen)
{
    const double gap = l.bandWidth * 0.1;
    painter.setPen(QPen(ink.barEdge, pen));
    painter.setBrush(ink.barFill);
    for (int b = 0; b < markBandCount; ++b) {
        const double height = barHeight(l, marks, b);
        if (marks.bands[static_cast<size_t>(b)] > 0)
            painter.drawRect(QRectF(l.x(b) + gap, l.axisY - height, l.bandWidth - 2 * gap, height));
    }
    painter.setBrush(Qt::NoBrush);
}

// Each bar's count just above it, drawn after the lines of the mean and the median.
void drawCounts(QPainter& painter, const ChartLayout& l, const MarkDistribution& marks, const ChartInk& ink)
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    for (int b = 0; b < markBandCount; ++b) {
        const QString label = QString::number(marks.bands[static_cast<size_t>(b)]);
        const double width = metrics.horizontalAdvance(label) + l.line * 0.4;
        const double top = l.axisY - barHeight(l, marks, b) - l.line;
        drawLabel(painter, QRectF(l.x(b + 0.5) - width / 2, top, width, l.line * 0.95), label, ink);
    }
}

void drawAxis(QPainter& painter, const ChartLayout& l, const ChartInk& ink, double pen)
{
    painter.setPen(QPen(ink.ink, pen));
    painter.drawLine(QPointF(l.left, l.axisY), QPointF(l.right, l.axisY));
    for (const int edge : markBandEdges) {
        const double x = l.x(markAxisPosition(edge));
        painter.drawLine(QPointF(x, l.axisY), QPointF(x, l.axisY + l.tick));
        painter.drawText(QRectF(x - l.bandWidth / 2, l.axisY + l.tick, l.bandWidth, l.line),
                         Qt::AlignHCenter | Qt::AlignTop, QString::number(edge));
    }
    for (int b = 0; b < markBandCount; ++b)
        painter.drawText(QRectF(l.x(b), l.axisY + l.tick + l.line, l.bandWidth, l.line), Qt::AlignHCenter | Qt::AlignTop,
                         fromCp1252(markBandNames()[static_cast<size_t>(b)]));
}

// The mean and the median: each a line up from the axis at its place, with its label at the top
// in a row of its own. The lower figure's label lies left of its line and the higher one's right
// of it, so that neither line runs through the other's label; a label with no room on its side
// goes to the other.
struct FigureLine {
    QString name;
    int tenths = 0;
    Qt::PenStyle style = Qt::SolidLine;
    bool labelLeft = false;
};

void drawFigureLine(QPainter& painter, const ChartLayout& l, const QRectF& area, const FigureLine& f, int row,
                    const ChartInk& ink, double pen)
{
    const double x = l.x(markAxisPosition(f.tenths / 10.0));
    const double rowTop = l.labelsTop + row * l.line;
    QPen linePen(ink.ink, pen * 2);
    linePen.setStyle(f.style);
    linePen.setCapStyle(Qt::FlatCap);
    painter.setPen(linePen);
    painter.drawLine(QPointF(x, l.labelsTop), QPointF(x, l.axisY));

    const QString label = f.name + QLatin1Char(' ') + fromCp1252(tenthsText(f.tenths));
    const double gap = l.line * 0.2;
    const double width = QFontMetricsF(painter.font(), painter.device()).horizontalAdvance(label) + 2 * gap;
    const bool fitsLeft = x - pen - width >= area.left();
    const bool fitsRight = x + pen + width <= area.right();
    const bool left = f.labelLeft ? fitsLeft || !fitsRight : !fitsRight && fitsLeft;
    const double labelLeft = left ? x - pen - width : x + pen;
    drawLabel(painter, QRectF(std::clamp(labelLeft, area.left(), std::max(area.left(), area.right() - width)), rowTop,
                              width, l.line),
              label, ink);
}

} // namespace

void paintMarkChart(QPainter& painter, const QRectF& area, const MarkDistribution& marks, const ChartInk& ink)
{
    painter.save();
    // Every line and bar stands upright or lies flat, so nothing is antialiased but the text
    // (which keeps its own): that nearly halves the time of a repaint.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(area, ink.paper);
    const ChartLayout l = layOut(area, QFontMetricsF(painter.font(), painter.device()));
    const double pen = std::max(1.0, l.line / 16);

    drawBars(painter, l, marks, ink, pen);
    drawAxis(painter, l, ink, pen);
    if (marks.meanTenths && marks.medianTenths) {
        const bool meanLower = *marks.meanTenths <= *marks.medianTenths;
        drawFigureLine(painter, l, area, {QStringLiteral("mean"), *marks.meanTenths, Qt::SolidLine, meanLower}, 0, ink, pen);
        drawFigureLine(painter, l, area, {QStringLiteral("median"), *marks.medianTenths, Qt::DashLine, !meanLower}, 1,
                       ink, pen);
    }
    drawCounts(painter, l, marks, ink);
    if (!marks.meanTenths) {
        painter.setPen(ink.ink);
        painter.drawText(QRectF(l.left, l.plotTop, l.right - l.left, l.axisY - l.plotTop), Qt::AlignCenter,
                         QStringLiteral("No marks yet"));
    }
    painter.restore();
}

QString markChartDescription(const MarkDistribution& marks)
{
    QStringList bands;
    for (int b = 0; b < markBandCount; ++b)
        bands << fromCp1252(markBandNames()[static_cast<size_t>(b)]) + QStringLiteral(": ") +
                     QString::number(marks.bands[static_cast<size_t>(b)]);
    QString description = QStringLiteral("Marks by band, ") + bands.join(QStringLiteral(", ")) + QLatin1Char('.');
    if (marks.meanTenths && marks.medianTenths)
        description += QStringLiteral(" Mean %1, median %2.")
                           .arg(fromCp1252(tenthsText(marks.meanTenths)), fromCp1252(tenthsText(marks.medianTenths)));
    return description;
}

} // namespace tq::ui
